#include "RecordingControl.h"

#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct KeyboardInput : ::testing::Test {
    std::unique_ptr<TestForm> form = std::make_unique<TestForm>(nullptr);
    RecordingControl* control = new RecordingControl(form.get(), form.get());
};

} // namespace

TEST_F(KeyboardInput, KeyArrivesAsMessagesAndHandlersInOrder) {
    std::string log;
    control->OnKeyDown = [&](TObject* sender, WORD& key, TShiftState shift) {
        EXPECT_EQ(sender, control);
        log += "down:" + std::to_string(key) + (shift.Contains(ssShift) ? "+shift " : " ");
    };
    control->OnKeyPress = [&](TObject*, TChar& key) {
        log += "press:" + std::to_string(key) + " ";
    };
    control->OnKeyUp = [&](TObject*, WORD& key, TShiftState) {
        log += "up:" + std::to_string(key);
    };

    InputSimulation::KeyPress(control, 'A', u'A', {ssShift});

    EXPECT_EQ(log, "down:65+shift press:65 up:65");
    EXPECT_TRUE(control->Saw(WM_KEYDOWN));
    EXPECT_TRUE(control->Saw(WM_CHAR));
    EXPECT_TRUE(control->Saw(WM_KEYUP));
}

TEST_F(KeyboardInput, KeyPreviewLetsTheFormSwallowAKeyBeforeTheControl) {
    bool controlSawKey = false;
    form->SetKeyPreview(true);
    form->OnKeyDown = [](TObject*, WORD& key, TShiftState) {
        if (key == VK_F2)
            key = 0;
    };
    control->OnKeyDown = [&](TObject*, WORD&, TShiftState) { controlSawKey = true; };

    InputSimulation::KeyDown(control, VK_F2);
    EXPECT_FALSE(controlSawKey);

    InputSimulation::KeyDown(control, VK_F3);
    EXPECT_TRUE(controlSawKey);
}

TEST_F(KeyboardInput, DialogKeysReachEveryControlOfTheForm) {
    // Enter and Escape that the focused control does not want go to the form as CM_DIALOGKEY,
    // which passes them to every control (default and cancel buttons take them there).
    auto* other = new RecordingControl(form.get(), form.get());
    WPARAM dialogKey = 0;
    bool keyDownSeen = false;
    control->OnKeyDown = [&](TObject*, WORD&, TShiftState) { keyDownSeen = true; };
    struct Taker : RecordingControl {
        using RecordingControl::RecordingControl;
        WPARAM* Seen = nullptr;
        void WndProc(TMessage& m) override {
            if (m.Msg == CM_DIALOGKEY && m.WParam == VK_RETURN) {
                *Seen = m.WParam;
                m.Result = 1;
                return;
            }
            RecordingControl::WndProc(m);
        }
    };
    auto* taker = new Taker(form.get(), form.get());
    taker->Seen = &dialogKey;

    InputSimulation::KeyPress(control, VK_RETURN, u'\r');

    EXPECT_EQ(dialogKey, VK_RETURN);
    EXPECT_FALSE(keyDownSeen) << "a dialog key taken by the form never reaches OnKeyDown";
    EXPECT_TRUE(other->Saw(CM_DIALOGKEY));
}

TEST_F(KeyboardInput, TabMovesTheFocusInTabOrderAndWraps) {
    auto* second = new RecordingControl(form.get(), form.get());
    auto* third = new RecordingControl(form.get(), form.get());
    third->SetTabOrder(0);
    std::string log;
    for (auto* c : {control, second, third}) {
        c->OnEnter = [&log, c, second, this](TObject*) {
            log += c == control ? "1" : c == second ? "2" : "3";
        };
    }
    form->Show();
    ASSERT_EQ(form->ActiveControl(), third) << "showing focuses the first of the tab order";

    InputSimulation::KeyPress(third, VK_TAB, u'\t');
    InputSimulation::KeyPress(form->ActiveControl(), VK_TAB, u'\t');
    InputSimulation::KeyPress(form->ActiveControl(), VK_TAB, u'\t');
    InputSimulation::KeyPress(form->ActiveControl(), VK_TAB, u'\t', {ssShift});

    EXPECT_EQ(log, "31232");
    EXPECT_TRUE(second->Focused());
    form->Hide();
}

TEST_F(KeyboardInput, FocusChangeFiresExitThenEnter) {
    auto* second = new RecordingControl(form.get(), form.get());
    std::string log;
    control->OnExit = [&](TObject*) { log += "exit1 "; };
    second->OnEnter = [&](TObject*) { log += "enter2"; };
    control->SetFocus();

    second->SetFocus();

    EXPECT_EQ(log, "exit1 enter2");
    EXPECT_FALSE(control->Focused());
    EXPECT_TRUE(second->Saw(WM_SETFOCUS));
    EXPECT_TRUE(control->Saw(WM_KILLFOCUS));
}

TEST_F(KeyboardInput, CharacterTheHandlerChangesIsWhatArrives) {
    std::u16string typed;
    struct Upper : RecordingControl {
        using RecordingControl::RecordingControl;
        std::u16string* Typed = nullptr;
        void KeyPress(TChar& key) override {
            RecordingControl::KeyPress(key);
            if (key != 0)
                *Typed += key;
        }
    };
    auto* upper = new Upper(form.get(), form.get());
    upper->Typed = &typed;
    upper->OnKeyPress = [](TObject*, TChar& key) {
        if (key == u'x')
            key = 0;
        else if (key >= u'a' && key <= u'z')
            key = static_cast<TChar>(key - u'a' + u'A');
    };

    for (char16_t ch : std::u16string(u"axb"))
        InputSimulation::TypeChar(upper, ch);

    EXPECT_EQ(typed, u"AB");
}

namespace {

// Records the key data of every key and character message.
struct KeyDataRecorder : RecordingControl {
    using RecordingControl::RecordingControl;
    struct Seen {
        UINT Msg;
        WPARAM Key;
        LPARAM KeyData;
    };
    std::vector<Seen> Messages;
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_KEYDOWN || m.Msg == WM_CHAR || m.Msg == WM_KEYUP)
            Messages.push_back({m.Msg, m.WParam, m.LParam});
        RecordingControl::WndProc(m);
    }
};

} // namespace

TEST_F(KeyboardInput, KeypadKeysCarryTheirScanCodeInTheKeyData) {
    // Bits 16..23 hold the keypad key's scan code, bit 24 marks its extended keys.
    constexpr LPARAM ScanCodeMask = 0x01FF0000;
    struct Case {
        const char* Name;
        bool Keypad; // sent with KeypadPress
        WORD Key;
        TChar Ch;
        WORD Arrives;
        LPARAM KeyData;
    };
    const Case cases[] = {
        {"keypad decimal key", false, VK_DECIMAL, u'.', VK_DECIMAL, 0x00530000},
        {"main keyboard full stop", false, VK_OEM_PERIOD, u'.', VK_OEM_PERIOD, 0},
        {"keypad 0", false, VK_NUMPAD0, u'0', VK_NUMPAD0, 0x00520000},
        {"keypad 9", false, VK_NUMPAD9, u'9', VK_NUMPAD9, 0x00490000},
        {"main keyboard 9", false, '9', u'9', '9', 0},
        {"keypad minus", false, VK_SUBTRACT, u'-', VK_SUBTRACT, 0x004A0000},
        {"keypad divide", false, VK_DIVIDE, u'/', VK_DIVIDE, 0x01350000},
        {"keypad Enter", true, VK_RETURN, u'\r', VK_RETURN, 0x011C0000},
        {"keypad 7 without Num Lock", true, VK_HOME, 0, VK_HOME, 0x00470000},
        {"Home key", false, VK_HOME, 0, VK_HOME, 0},
    };
    for (const Case& c : cases) {
        auto* recorder = new KeyDataRecorder(form.get(), form.get());
        if (c.Keypad)
            InputSimulation::KeypadPress(recorder, c.Key, c.Ch);
        else
            InputSimulation::KeyPress(recorder, c.Key, c.Ch);
        ASSERT_GE(recorder->Messages.size(), 2u) << c.Name;
        for (const KeyDataRecorder::Seen& seen : recorder->Messages) {
            if (seen.Msg != WM_CHAR)
                EXPECT_EQ(seen.Key, c.Arrives) << c.Name;
            EXPECT_EQ(seen.KeyData & ScanCodeMask, c.KeyData) << c.Name << " message " << seen.Msg;
        }
        EXPECT_EQ(recorder->Messages.front().Msg, UINT{WM_KEYDOWN}) << c.Name;
        EXPECT_EQ(recorder->Messages.back().Msg, UINT{WM_KEYUP}) << c.Name;
        delete recorder;
    }
}
