#include "platform/ui/Application.h"

#include "platform/core/Exception.h"
#include "platform/ui/Thread.h"
#include "platform/ui/internal/MessageBoxes.h"
#include "platform/ui/internal/MessageQueue.h"
#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/PlatformApplication.h"
#include "platform/ui/internal/ThreadSync.h"
#include "platform/ui/internal/WidgetTree.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QHelpEvent>
#include <QPointer>
#include <QTimer>
#include <QToolTip>
#include <QWidget>
#include <QWindow>

#include <dlfcn.h>

#include <algorithm>

#include <filesystem>
#include <thread>
#include <vector>

namespace {
// Calls back once when the watched window has had its first paint. The widgets of one window
// are painted and put on the screen in one pass, so a queued call runs after the picture shows.
class FirstPaintWatcher : public QObject {
public:
    explicit FirstPaintWatcher(std::function<void()> painted) : FPainted(std::move(painted)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(this, FPainted, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> FPainted;
};

// Loading the font configuration (reading and parsing the system's font set-up) is the largest
// single piece of work before the first window can show text. It runs on a thread of its own
// while the application connects to the display and builds its first window; the library is
// thread-safe, and the text code finds it loaded. Looked up at run time: Qt brings the library
// in when it draws with it, and without it there is nothing to prepare.
std::thread StartLoadingFontConfiguration() {
    using FcInitFunction = int (*)();
    auto load = reinterpret_cast<FcInitFunction>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (!load)
        return {};
    return std::thread([load] { load(); });
}
} // namespace

struct TApplication::Impl {
    std::unique_ptr<PlatformApplication> App;
    std::thread FontConfigurationLoader;
    std::function<void()> AfterShown;
    QPointer<FirstPaintWatcher> Watcher;
    int Argc = 1;
    char Name[8] = "velmaro";
    char* Argv[2] = {Name, nullptr};
};

namespace {
TApplication TheApplication;
}

TApplication* Application = &TheApplication;

TApplication::TApplication() : TComponent(nullptr), FImpl(std::make_unique<Impl>()) {}

TApplication::~TApplication() {
    Finalize();
}

void TApplication::Initialize() {
    if (QCoreApplication::instance())
        return;
    ThreadSync::SetUiThread();
    if (!FImpl->FontConfigurationLoader.joinable())
        FImpl->FontConfigurationLoader = StartLoadingFontConfiguration();
    FImpl->App = std::make_unique<PlatformApplication>(FImpl->Argc, FImpl->Argv);
    if (!FTitle.empty())
        QCoreApplication::setApplicationName(QString::fromStdString(FTitle));
}

bool TApplication::Initialized() const {
    return QCoreApplication::instance() != nullptr;
}

void TApplication::Finalize() {
    while (ComponentCount() > 0)
        delete Components(ComponentCount() - 1);
    FMainForm = nullptr;
    FImpl->AfterShown = nullptr;
    delete FImpl->Watcher.data();
    if (FImpl->FontConfigurationLoader.joinable())
        FImpl->FontConfigurationLoader.join();
    FImpl->App.reset();
}

void TApplication::FormCreated(TForm* form) {
    if (!FMainForm)
        FMainForm = form;
    RunGuarded(form, [form] { form->DoCreate(); });
}

void TApplication::Notification(TComponent* component, bool removing) {
    if (removing && component == FMainForm)
        FMainForm = nullptr;
}

void TApplication::AfterMainFormShown(std::function<void()> action) {
    FImpl->AfterShown = std::move(action);
}

void TApplication::RunAfterShownAction() {
    // Called from the watcher's own queued call, so it may not go at once.
    if (FImpl->Watcher)
        FImpl->Watcher->deleteLater();
    std::function<void()> action = std::move(FImpl->AfterShown);
    FImpl->AfterShown = nullptr;
    if (action)
        RunGuarded(this, action);
}

void TApplication::Run() {
    FTerminated = false;
    if (FImpl->AfterShown && FMainForm) {
        constexpr int Paint_Wait_Limit_Ms = 1000;
        auto* watcher = new FirstPaintWatcher([this] { RunAfterShownAction(); });
        FImpl->Watcher = watcher;
        NativeHost::Widget(FMainForm)->installEventFilter(watcher);
        QTimer::singleShot(Paint_Wait_Limit_Ms, watcher, [this] { RunAfterShownAction(); });
    }
    if (FMainForm)
        FMainForm->Show();
    while (!FTerminated && FMainForm && FMainForm->Visible())
        HandleMessage();
    RunAfterShownAction();
    // The run is over; a later one (a test's) starts afresh.
    FTerminated = false;
}

void TApplication::ProcessMessages() {
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    CheckSynchronize();
    MessageQueue::DeliverPending();
}

namespace {

// Whether window a lies over window b: a window kept on top over one that is not, an owned
// window over its owner.
bool LiesOver(QWidget* a, QWidget* b) {
    const bool aOnTop = a->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    const bool bOnTop = b->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (aOnTop != bOnTop)
        return aOnTop;
    for (QWindow* w = a->windowHandle(); w; w = w->transientParent())
        if (w != a->windowHandle() && w == b->windowHandle())
            return true;
    return false;
}

// The window a press at the screen point would reach: the uppermost shown window there that
// takes input (a drawn shadow does not); the active one among equals.
QWidget* InputWindowAt(const QPoint& global) {
    std::vector<QWidget*> there;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->windowFlags().testFlag(Qt::WindowTransparentForInput) &&
            w->frameGeometry().contains(global))
            there.push_back(w);
    QWidget* best = nullptr;
    for (QWidget* w : there) {
        if (std::any_of(there.begin(), there.end(), [&](QWidget* o) { return LiesOver(o, w); }))
            continue;
        if (!best || w == QApplication::activeWindow())
            best = w;
    }
    return best;
}

} // namespace

void TApplication::ActivateHint(TPoint CursorPos) {
    if (!QCoreApplication::instance())
        return;
    const QPoint global(CursorPos.X, CursorPos.Y);
    QWidget* window = InputWindowAt(global);
    if (!window)
        return;
    QPoint local = window->mapFromGlobal(global);
    QWidget* widget = WidgetTree::InnermostAt(window, local);
    QHelpEvent event(QEvent::ToolTip, local, global);
    QApplication::sendEvent(widget, &event);
}

void TApplication::CancelHint() {
    if (!QCoreApplication::instance())
        return;
    // Qt hides a tool tip only after a fading delay; a cancelled hint goes at once.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("qtooltip_label") && w->isVisible()) {
            w->close();
            w->deleteLater();
        }
}

bool TApplication::HintShowing() const {
    return QCoreApplication::instance() && QToolTip::isVisible();
}

void TApplication::HandleMessage() {
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    CheckSynchronize();
    MessageQueue::DeliverPending();
}

void TApplication::Terminate() {
    FTerminated = true;
}

void TApplication::ShowException(const std::exception& E) {
    if (OnException) {
        OnException(this, E);
        return;
    }
    const auto* own = dynamic_cast<const Exception*>(&E);
    std::string message = own ? own->Message : std::string(E.what());
    MessageBox(message, FTitle.empty() ? "Error" : FTitle, MB_OK | MB_ICONERROR);
}

void TApplication::HandleException(TObject* Sender) {
    std::exception_ptr current = std::current_exception();
    if (!current)
        return;
    try {
        std::rethrow_exception(current);
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(Exception("Unknown error."));
    }
}

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, int Flags) {
    TMsgDlgType kind = mtCustom;
    switch (Flags & 0xF0) {
    case MB_ICONERROR:
        kind = mtError;
        break;
    case MB_ICONQUESTION:
        kind = mtConfirmation;
        break;
    case MB_ICONWARNING:
        kind = mtWarning;
        break;
    case MB_ICONINFORMATION:
        kind = mtInformation;
        break;
    default:
        break;
    }
    TMsgDlgButtons buttons;
    switch (Flags & 0x0F) {
    case MB_OKCANCEL:
        buttons = {mbOK, mbCancel};
        break;
    case MB_ABORTRETRYIGNORE:
        buttons = {mbAbort, mbRetry, mbIgnore};
        break;
    case MB_YESNOCANCEL:
        buttons = {mbYes, mbNo, mbCancel};
        break;
    case MB_YESNO:
        buttons = {mbYes, mbNo};
        break;
    case MB_RETRYCANCEL:
        buttons = {mbRetry, mbCancel};
        break;
    default:
        buttons = {mbOK};
        break;
    }
    // The ID answers have the same numbers as the modal results.
    return ShowMessageBox(Text, Caption, kind, buttons);
}

std::string TApplication::ExeName() const {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.string();
}

void RunGuarded(TObject* Sender, const std::function<void()>& action) {
    try {
        action();
    } catch (...) {
        try {
            Application->HandleException(Sender);
        } catch (...) {
            // The error report itself failed; nothing is left to tell the user with.
        }
    }
}
