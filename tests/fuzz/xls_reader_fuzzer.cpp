// Legacy .xls workbooks through FreeXL, which reads only from files. The program reads each file
// in a child process of its own; here one child reads input after input (a process per input
// would cost more than the read), with the same two sides: what the child answers and what the
// program makes of the answer. A child that crashes is started again for the next input.
#include "FuzzSupport.h"

#include "platform/office/OfficeError.h"
#include "platform/office/XlsReader.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Moves all `size` bytes through `transfer` (read or write), resuming after interruptions;
// false when the pipe ends or fails first.
template <typename TBytes, typename TTransfer>
bool TransferAll(int fd, TBytes* bytes, size_t size, TTransfer transfer) {
    while (size > 0) {
        const ssize_t n = transfer(fd, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool WriteAll(int fd, const void* data, size_t size) {
    return TransferAll(fd, static_cast<const char*>(data), size, ::write);
}

bool ReadAll(int fd, void* data, size_t size) {
    return TransferAll(fd, static_cast<char*>(data), size, ::read);
}

// The reader child: reads the file for every byte it receives and sends back the length and
// bytes of its answer; ends when the parent closes the pipe.
class TReaderChild {
public:
    ~TReaderChild() { Stop(); }

    // The child's answer for the file; false when it ended before answering.
    bool Answer(const std::string& file, std::string& answer) {
        if (FPid < 0)
            Start();
        uint64_t size = 0;
        const char go = 1;
        if (WriteAll(FToChild, &go, 1) && ReadAll(FFromChild, &size, sizeof size)) {
            answer.resize(size);
            if (ReadAll(FFromChild, answer.data(), size))
                return true;
        }
        Stop();
        return false;
    }

private:
    void Start() {
        int request[2];
        int reply[2];
        if (pipe(request) != 0 || pipe(reply) != 0)
            std::abort();
        FPid = fork();
        if (FPid < 0)
            std::abort();
        if (FPid == 0) {
            close(request[1]);
            close(reply[0]);
            QuietXlsReaderCrashes();
            const std::string file = FuzzFolder() + "/input.xls";
            char go = 0;
            while (ReadAll(request[0], &go, 1)) {
                const std::string answer = XlsReaderAnswer(file);
                const uint64_t size = answer.size();
                if (!WriteAll(reply[1], &size, sizeof size) ||
                    !WriteAll(reply[1], answer.data(), answer.size()))
                    break;
            }
            _exit(0);
        }
        close(request[0]);
        close(reply[1]);
        FToChild = request[1];
        FFromChild = reply[0];
    }

    void Stop() {
        if (FPid < 0)
            return;
        close(FToChild);
        close(FFromChild);
        int status = 0;
        while (waitpid(FPid, &status, 0) < 0 && errno == EINTR) {
        }
        FPid = -1;
    }

    pid_t FPid = -1;
    int FToChild = -1;
    int FFromChild = -1;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A child that has ended must not end the fuzzer when it is sent the next input.
    static const bool started = [] {
        std::signal(SIGPIPE, SIG_IGN);
        return true;
    }();
    (void)started;
    static TReaderChild child;
    const std::string file = WriteFuzzFile("input.xls", FuzzText(data, size));
    std::string answer;
    const bool answered = child.Answer(file, answer);
    try {
        const TSheetList list = XlsSheetsFromAnswer(answer, answered, file);
        FUZZ_CHECK(!list.Sheets.empty());
        for (const auto& sheet : list.Sheets)
            FUZZ_CHECK(sheet->UsedRange().IsValid());
    } catch (const EOfficeError&) {
    }
    RemoveFuzzFile("input.xls");
    return 0;
}
