// Arbitrary bytes as the whole HTTP reply to a picture download, served on the loopback: the
// picture either holds a decoded picture within the size limit or stays empty, and nothing reads
// beyond the reply.
#include "grid/foundation/HTMLPicture.h"
#include "platform/ui/Application.h"
#include "support/TinyHttpServer.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

// Every input is a real connection, and a closed connection holds its port for a minute: faster
// than this, the fuzzer would run the loopback out of ephemeral ports.
void Keep_Connection_Rate() {
    using Clock = std::chrono::steady_clock;
    static Clock::time_point next = Clock::now();
    std::this_thread::sleep_until(next);
    next = Clock::now() + std::chrono::microseconds(4000);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    static const bool started = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        Application->Initialize();
        std::atexit([] { Application->Finalize(); });
        return true;
    }();
    (void)started;
    constexpr std::size_t Limit = 64 * 1024;
    // An empty reply would keep the server silent until the time-out: one byte says as much.
    std::string reply(reinterpret_cast<const char*>(Data), Size);
    if (reply.empty())
        reply = "\n";
    Keep_Connection_Rate();
    TestHttp::TinyHttpServer server(reply);
    THTMLPicture picture;
    picture.SetAsynch(false);
    picture.SetDownLoadTimeout(std::chrono::milliseconds(200));
    picture.SetMaxDownLoadSize(Limit);
    int outcomes = 0;
    picture.OnDownLoadComplete = [&](TObject*) { ++outcomes; };
    picture.OnDownLoadError = [&](TObject*, const std::string&) { ++outcomes; };
    picture.LoadFromURL(server.Url("/p.png"));
    if (outcomes != 1 || picture.Busy() || picture.Data().size() > Limit)
        std::abort();
    if (picture.Empty() != picture.Data().empty() || (picture.Empty() && picture.Width() != 0))
        std::abort();
    return 0;
}
