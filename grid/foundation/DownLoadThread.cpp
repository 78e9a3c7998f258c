#include "grid/foundation/DownLoadThread.h"

#include "grid/foundation/HTMLPicture.h"
#include "platform/core/Exception.h"
#include "platform/net/HttpClient.h"
#include "platform/ui/Application.h"

#include <algorithm>
#include <exception>
#include <thread>

namespace {

std::atomic<int> Running{0};

uint32_t Cardinal(std::uint64_t value) {
    return static_cast<uint32_t>(std::min<std::uint64_t>(value, UINT32_MAX));
}

} // namespace

std::string FetchPictureBytes(const TDownLoadJob& Job,
                              const std::function<void(uint32_t, uint32_t)>& Progress) {
    THttpClient client;
    client.Timeout = Job.Timeout;
    client.MaxBodySize = Job.MaxSize;
    using Clock = std::chrono::steady_clock;
    Clock::time_point lastReport{};
    std::uint64_t lastReceived = 0;
    std::exception_ptr progressFault;
    // Also the cancel check: the client asks at least about once a second, silent server or not.
    client.OnProgress = [&](std::uint64_t received, std::uint64_t total) {
        if (Job.Cancelled)
            return false;
        if (!Progress || received == lastReceived ||
            Clock::now() - lastReport < std::chrono::milliseconds(100))
            return true;
        lastReport = Clock::now();
        lastReceived = received;
        try {
            Progress(Cardinal(received), Cardinal(total));
        } catch (...) {
            progressFault = std::current_exception();
            return false;
        }
        return true;
    };
    try {
        std::string bytes = client.Get(Job.URL);
        if (Progress && bytes.size() != lastReceived)
            Progress(Cardinal(bytes.size()), Cardinal(bytes.size()));
        return bytes;
    } catch (const EHttpError&) {
        if (progressFault)
            std::rethrow_exception(progressFault);
        throw;
    }
}

void TDownLoadThread::Run(std::shared_ptr<TDownLoadJob> Job) {
    new TDownLoadThread(std::move(Job));
}

int TDownLoadThread::RunningCount() {
    return Running.load();
}

bool TDownLoadThread::WaitForAll(std::chrono::milliseconds Limit) {
    const auto deadline = std::chrono::steady_clock::now() + Limit;
    while (Running.load() > 0 && std::chrono::steady_clock::now() < deadline)
        if (!CheckSynchronize())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return Running.load() == 0;
}

TDownLoadThread::TDownLoadThread(std::shared_ptr<TDownLoadJob> Job)
    : TThread(true), FJob(std::move(Job)) {
    ++Running;
    SetFreeOnTerminate(true);
    Start();
}

TDownLoadThread::~TDownLoadThread() {
    --Running;
}

void TDownLoadThread::ReportProgress(uint32_t Size, uint32_t Total) {
    Synchronize([&] {
        if (THTMLPicture* picture = FJob->Picture)
            RunGuarded(picture, [&] { picture->DownLoadProgress(Size, Total); });
    });
}

void TDownLoadThread::Execute() {
    std::string bytes;
    std::string error;
    std::function<void(uint32_t, uint32_t)> progress;
    if (FJob->ReportProgress)
        progress = [this](uint32_t Size, uint32_t Total) { ReportProgress(Size, Total); };
    try {
        bytes = FetchPictureBytes(*FJob, progress);
    } catch (const std::exception& e) {
        error = e.what();
        if (error.empty())
            error = "Could not load image";
    }
    if (FJob->Cancelled)
        return;
    Synchronize([&] {
        THTMLPicture* picture = FJob->Picture;
        if (!picture)
            return;
        RunGuarded(picture, [&] {
            if (error.empty())
                picture->DownLoadDone(bytes);
            else
                picture->DownLoadFailed(error);
        });
    });
}
