#pragma once

#include "platform/ui/Thread.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class THTMLPicture;

// One picture download, shared by the picture and the thread that runs it. The worker reads the
// request and the cancel flag only; Picture is read and cleared on the UI thread only, so a
// picture freed while its download runs is never reached afterwards.
struct TDownLoadJob {
    std::string URL;
    std::chrono::milliseconds Timeout{10000};
    std::size_t MaxSize = 0;
    bool ReportProgress = false;
    std::atomic<bool> Cancelled{false};
    THTMLPicture* Picture = nullptr;
};

// Fetches the job's URL with its time-out and size limit, calling Progress (bytes received, the
// announced total or 0) at most every tenth of a second and at the end. Throws Exception when
// the download fails or is cancelled; an exception thrown by Progress ends it and is rethrown.
std::string FetchPictureBytes(const TDownLoadJob& Job,
                              const std::function<void(uint32_t, uint32_t)>& Progress);

// Downloads a picture's bytes off the UI thread and hands them to the picture there. Runs as
// soon as it is made and frees itself when it ends.
class TDownLoadThread : public TThread {
public:
    static void Run(std::shared_ptr<TDownLoadJob> Job);
    // Download threads not yet ended.
    static int RunningCount();
    // Runs synchronised calls on the UI thread until every download thread ended or Limit
    // passed; true when they all ended.
    static bool WaitForAll(std::chrono::milliseconds Limit);

    ~TDownLoadThread() override;

protected:
    void Execute() override;

private:
    explicit TDownLoadThread(std::shared_ptr<TDownLoadJob> Job);
    void ReportProgress(uint32_t Size, uint32_t Total);

    std::shared_ptr<TDownLoadJob> FJob;
};
