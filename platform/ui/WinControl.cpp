#include "platform/ui/Control.h"

#include "platform/ui/Font.h"
#include "platform/ui/Form.h"
#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/ControlWidget.h"

#include <algorithm>

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
    TControlAccess::ApplyColor(this);
}

TWinControl::~TWinControl() {
    TControlAccess::Detach(this);
    // Child controls go with their parent, as in the framework; each leaves its owner's list.
    while (!FControls.empty())
        delete FControls.back();
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

void TWinControl::InsertControl(TControl* control) {
    FControls.push_back(control);
    if (auto* win = dynamic_cast<TWinControl*>(control))
        FTabList.push_back(win);
}

void TWinControl::RemoveControl(TControl* control) {
    std::erase(FControls, control);
    std::erase(FTabList, static_cast<TControl*>(control));
    if (TForm* form = GetParentForm(this))
        TControlAccess::ForgetActiveControl(form, control);
    if (control->Align() != alNone && !ComponentState().Contains(csDestroying))
        Realign();
}

int TWinControl::TabOrder() const {
    if (!Parent())
        return -1;
    const auto& list = Parent()->FTabList;
    auto found = std::find(list.begin(), list.end(), this);
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

void TWinControl::SetTabOrder(int value) {
    if (!Parent())
        return;
    auto& list = Parent()->FTabList;
    std::erase(list, this);
    value = std::clamp(value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + value, this);
}

std::vector<TWinControl*> TWinControl::TabList() const {
    return FTabList;
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return GetParentForm(this) != nullptr;
}

void TWinControl::SetFocus() {
    TForm* form = GetParentForm(this);
    if (form && form != this) {
        form->SetActiveControl(this);
        return;
    }
    TControlAccess::FocusWidget(this)->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::Focused() const {
    TForm* form = GetParentForm(this);
    return form && form != this && form->ActiveControl() == this;
}

namespace {
// Every window control below root in tab order, depth first.
void CollectTabOrder(const TWinControl* root, std::vector<TWinControl*>& out) {
    for (TWinControl* child : root->TabList()) {
        out.push_back(child);
        CollectTabOrder(child, out);
    }
}
} // namespace

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward,
                                          bool checkTabStop) const {
    std::vector<TWinControl*> order;
    CollectTabOrder(this, order);
    if (order.empty())
        return nullptr;
    if (!forward)
        std::reverse(order.begin(), order.end());
    auto start = std::find(order.begin(), order.end(), current);
    size_t first = start == order.end() ? 0 : static_cast<size_t>(start - order.begin()) + 1;
    for (size_t i = 0; i < order.size(); ++i) {
        TWinControl* candidate = order[(first + i) % order.size()];
        if (candidate == current && start != order.end())
            break;
        // Plain containers pass the focus on to their children; a container that is a tab stop
        // itself (the tab row of a page control, a grid with its editor) takes it first.
        if ((!checkTabStop || candidate->TabStop()) && candidate->CanFocus() &&
            (candidate->TabList().empty() || candidate->TabStop()))
            return candidate;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop))
        next->SetFocus();
}

void TWinControl::Broadcast(TMessage& Message) {
    std::vector<TControl*> children = FControls;
    for (TControl* child : children) {
        if (std::find(FControls.begin(), FControls.end(), child) == FControls.end())
            continue;
        child->WndProc(Message);
        if (Message.Result != 0)
            return;
    }
}

void TWinControl::Realign() {
    if (FAlignDisabled > 0)
        return;
    TRect rect = ClientRect();
    ++FAlignDisabled;
    AlignControls(nullptr, rect);
    --FAlignDisabled;
}

void TWinControl::EnableAlign() {
    if (FAlignDisabled > 0 && --FAlignDisabled == 0)
        Realign();
}

void TWinControl::AlignControls(TControl* control, TRect& rect) {
    auto placeAll = [&](TAlign align) {
        std::vector<TControl*> aligned;
        for (TControl* child : FControls)
            if (child->Visible() && child->Align() == align)
                aligned.push_back(child);
        // Nearest to the edge first: by position, as the controls were laid out.
        std::stable_sort(aligned.begin(), aligned.end(), [align](TControl* a, TControl* b) {
            switch (align) {
            case alTop:
                return a->Top() < b->Top();
            case alBottom:
                return a->Top() + a->Height() > b->Top() + b->Height();
            case alLeft:
                return a->Left() < b->Left();
            case alRight:
                return a->Left() + a->Width() > b->Left() + b->Width();
            default:
                return false;
            }
        });
        for (TControl* child : aligned) {
            int w = child->Width();
            int h = child->Height();
            switch (align) {
            case alTop:
                child->SetBounds(rect.Left, rect.Top, rect.Width(), h);
                rect.Top += h;
                break;
            case alBottom:
                child->SetBounds(rect.Left, rect.Bottom - h, rect.Width(), h);
                rect.Bottom -= h;
                break;
            case alLeft:
                child->SetBounds(rect.Left, rect.Top, w, rect.Height());
                rect.Left += w;
                break;
            case alRight:
                child->SetBounds(rect.Right - w, rect.Top, w, rect.Height());
                rect.Right -= w;
                break;
            case alClient:
                child->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
                break;
            default:
                break;
            }
        }
    };
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient})
        placeAll(align);
}

namespace {
// A control hidden or disabled while it, or a control inside it, has the focus gives the focus
// to its form: keys must not reach a control that cannot be seen or used.
void RemoveFocus(TWinControl* control) {
    TForm* form = GetParentForm(control);
    if (!form || form == control)
        return;
    TWinControl* active = form->ActiveControl();
    if (!active || !control->ContainsControl(active))
        return;
    std::weak_ptr<bool> alive = TControlAccess::Alive(form);
    form->SetActiveControl(nullptr);
    if (!alive.expired() && *alive.lock() && !form->ActiveControl() && form->Visible())
        TControlAccess::Widget(form)->setFocus(Qt::OtherFocusReason);
}
} // namespace

void TWinControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
        if (!Visible() || !Enabled())
            RemoveFocus(this);
        TControl::WndProc(Message);
        break;
    case CN_KEYDOWN: {
        // Tab, arrows, Enter and Escape go to the form as dialog keys unless the control wants
        // them itself.
        Message.Result = 1;
        LRESULT mask = 0;
        switch (Message.WParam) {
        case VK_TAB:
            mask = DLGC_WANTTAB;
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            mask = DLGC_WANTARROWS;
            break;
        case VK_RETURN:
        case VK_EXECUTE:
        case VK_ESCAPE:
        case VK_CANCEL:
            mask = DLGC_WANTALLKEYS;
            break;
        default:
            break;
        }
        if (mask != 0 && Perform(CM_WANTSPECIALKEY, Message.WParam) == 0 &&
            (Perform(WM_GETDLGCODE) & mask) == 0) {
            TForm* form = GetParentForm(this);
            if (form && form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0)
                return;
        }
        Message.Result = 0;
        break;
    }
    case CN_CHAR: {
        Message.Result = 1;
        if ((Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0) {
            TForm* form = GetParentForm(this);
            if (form && form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0)
                return;
        }
        Message.Result = 0;
        break;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        Message.Result = DoKeyDown(Message) ? 1 : 0;
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        Message.Result = DoKeyUp(Message) ? 1 : 0;
        break;
    case WM_CHAR:
        Message.Result = DoKeyPress(Message) ? 1 : 0;
        break;
    case WM_GETDLGCODE:
        Message.Result = TControlAccess::Native(this) ? (DLGC_WANTARROWS | DLGC_WANTCHARS) : 0;
        break;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
        Broadcast(Message);
        break;
    case CM_ENTER:
        DoEnter();
        break;
    case CM_EXIT:
        DoExit();
        break;
    case WM_SIZE: {
        FAnchoring = true;
        std::vector<TControl*> children = FControls;
        for (TControl* child : children)
            child->ApplyAnchors();
        FAnchoring = false;
        Realign();
        TControl::WndProc(Message);
        break;
    }
    case CM_FONTCHANGED:
    case CM_COLORCHANGED: {
        TMessage notify{Message.Msg == CM_FONTCHANGED ? CM_PARENTFONTCHANGED
                                                      : CM_PARENTCOLORCHANGED};
        std::vector<TControl*> children = FControls;
        for (TControl* child : children)
            child->WndProc(notify);
        TControl::WndProc(Message);
        break;
    }
    default:
        TControl::WndProc(Message);
        break;
    }
}

bool TWinControl::DoKeyDown(TMessage& Message) {
    return DoKeyWith(Message, &TWinControl::DoKeyDown, &TWinControl::KeyDown);
}

bool TWinControl::DoKeyUp(TMessage& Message) {
    return DoKeyWith(Message, &TWinControl::DoKeyUp, &TWinControl::KeyUp);
}

// The form sees the key first when it previews keys; then the control's own handler.
bool TWinControl::DoKeyWith(TMessage& Message, bool (TWinControl::*formStep)(TMessage&),
                            void (TWinControl::*handler)(WORD&, TShiftState)) {
    TForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() &&
        (static_cast<TWinControl*>(form)->*formStep)(Message))
        return true;
    WORD key = static_cast<WORD>(Message.WParam);
    (this->*handler)(key, KeyDataToShiftState(Message.LParam));
    Message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& Message) {
    TForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() &&
        static_cast<TWinControl*>(form)->DoKeyPress(Message))
        return true;
    TChar key = static_cast<TChar>(Message.WParam);
    KeyPress(key);
    Message.WParam = key;
    return key == 0;
}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) {
    FireEvent(OnKeyDown, this, Key, Shift);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift) {
    FireEvent(OnKeyUp, this, Key, Shift);
}

void TWinControl::KeyPress(TChar& Key) {
    FireEvent(OnKeyPress, this, Key);
}

void TWinControl::DoEnter() {
    FireEvent(OnEnter, this);
}

void TWinControl::DoExit() {
    FireEvent(OnExit, this);
}
