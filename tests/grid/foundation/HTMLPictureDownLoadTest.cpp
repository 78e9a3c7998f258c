// Pictures named by an http URL, served by a server on this machine's loopback.
#include "grid/foundation/DownLoadThread.h"
#include "grid/foundation/HTMLPicture.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "support/TinyHttpServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using TestHttp::Answer;
using TestHttp::TinyHttpServer;

void PutBigEndian(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

uint32_t Crc32(std::string_view bytes) {
    uint32_t crc = 0xFFFFFFFF;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0U - (crc & 1)));
    }
    return ~crc;
}

void PutChunk(std::string& png, const std::string& type, const std::string& data) {
    PutBigEndian(png, static_cast<uint32_t>(data.size()));
    std::string typed = type + data;
    png += typed;
    PutBigEndian(png, Crc32(typed));
}

// A PNG of one colour, its pixels in one stored (uncompressed) deflate block.
std::string SolidPng(int width, int height, uint8_t red, uint8_t green, uint8_t blue) {
    std::string header;
    PutBigEndian(header, static_cast<uint32_t>(width));
    PutBigEndian(header, static_cast<uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, no interlace
    std::string pixels;
    for (int y = 0; y < height; ++y) {
        pixels += '\0'; // filter: none
        for (int x = 0; x < width; ++x)
            pixels += {static_cast<char>(red), static_cast<char>(green), static_cast<char>(blue)};
    }
    uint32_t a = 1, b = 0;
    for (unsigned char byte : pixels) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    const auto length = static_cast<uint16_t>(pixels.size());
    std::string zlib = "\x78\x01\x01";
    zlib += {static_cast<char>(length & 0xFF), static_cast<char>(length >> 8),
             static_cast<char>(~length & 0xFF), static_cast<char>((~length >> 8) & 0xFF)};
    zlib += pixels;
    PutBigEndian(zlib, (b << 16) | a);
    std::string png = "\x89PNG\r\n\x1a\n";
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", "");
    return png;
}

// What a picture's download events told.
struct DownLoadLog {
    int Completed = 0;
    std::vector<std::string> Errors;
    std::vector<std::pair<uint32_t, uint32_t>> Progress;

    void Watch(THTMLPicture& picture) {
        picture.OnDownLoadComplete = [this](TObject*) { ++Completed; };
        picture.OnDownLoadError = [this](TObject*, const std::string& error) {
            Errors.push_back(error);
        };
        picture.OnDownLoadProgress = [this](TObject*, uint32_t size, uint32_t total) {
            Progress.emplace_back(size, total);
        };
    }
};

// Lets the download threads hand their results over, as the event loop would.
void FinishDownLoads() {
    ASSERT_TRUE(TDownLoadThread::WaitForAll(20s)) << "a download thread did not end";
}

// Each test starts with no download of another test still running.
struct HTMLPictureDownLoad : ::testing::Test {
    void SetUp() override { FinishDownLoads(); }
};

TEST_F(HTMLPictureDownLoad, APictureServedOverHttpArrivesAndTellsTheCache) {
    const std::string png = SolidPng(4, 3, 0, 0, 255);
    TinyHttpServer server(Answer("HTTP/1.1 200 OK", png, "Content-Type: image/png\r\n"));
    THTMLPictureCache cache;
    std::vector<TObject*> changed;
    cache.OnChange = [&](TObject* sender) { changed.push_back(sender); };
    THTMLPicture* picture = cache.AddPicture();
    DownLoadLog log;
    log.Watch(*picture);

    picture->LoadFromURL(server.Url("/logo.png"));
    EXPECT_TRUE(picture->Busy());
    EXPECT_TRUE(picture->Empty()) << "nothing is shown before the bytes arrive";
    EXPECT_EQ(picture->ID(), server.Url("/logo.png"));
    EXPECT_EQ(cache.FindPicture(server.Url("/logo.png")), picture);
    FinishDownLoads();

    EXPECT_TRUE(server.Request().starts_with("GET /logo.png HTTP/1.1\r\n")) << server.Request();
    EXPECT_FALSE(picture->Busy());
    EXPECT_EQ(log.Completed, 1);
    EXPECT_TRUE(log.Errors.empty()) << log.Errors.front();
    ASSERT_FALSE(log.Progress.empty());
    EXPECT_EQ(log.Progress.back(), std::make_pair(uint32_t(png.size()), uint32_t(png.size())));
    EXPECT_EQ(changed, std::vector<TObject*>{picture})
        << "the grid repaints on the cache's OnChange";
    EXPECT_EQ(picture->Data(), png);
    EXPECT_EQ(picture->Width(), 4);
    EXPECT_EQ(picture->Height(), 3);
    TBitmap target(4, 3);
    picture->Draw(target.Canvas(), Rect(0, 0, 4, 3));
    EXPECT_EQ(target.Pixel(2, 1), clBlue);
}

TEST_F(HTMLPictureDownLoad, AFailedDownloadLeavesThePictureEmpty) {
    struct Case {
        const char* Name;
        std::string Answer;
        const char* ExpectedInError;
        std::size_t Limit = 32 * 1024 * 1024;
    };
    const std::vector<Case> cases = {
        {"not found", Answer("HTTP/1.1 404 Not Found", "no such picture"), "status 404"},
        {"server error", Answer("HTTP/1.1 500 Internal Server Error", ""), "status 500"},
        {"no picture", Answer("HTTP/1.1 200 OK", "<html>hello</html>"), "Invalid format"},
        {"empty body", Answer("HTTP/1.1 200 OK", ""), "Could not load image"},
        {"reply slower than the time-out", "", "failed"},
        {"larger than the limit", Answer("HTTP/1.1 200 OK", SolidPng(40, 40, 255, 0, 0)),
         "larger than 1000 bytes", 1000},
        {"larger than the limit, length unannounced",
         "HTTP/1.0 200 OK\r\n\r\n" + SolidPng(40, 40, 255, 0, 0), "larger than 1000 bytes", 1000},
    };
    for (bool asynch : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.Name) + (asynch ? ", in the background" : ", at once"));
            TinyHttpServer server(c.Answer);
            THTMLPictureCache cache;
            int changes = 0;
            cache.OnChange = [&](TObject*) { ++changes; };
            THTMLPicture* picture = cache.AddPicture();
            picture->SetAsynch(asynch);
            picture->SetDownLoadTimeout(300ms);
            picture->SetMaxDownLoadSize(c.Limit);
            DownLoadLog log;
            log.Watch(*picture);

            picture->LoadFromURL(server.Url("/x.png"));
            FinishDownLoads();

            EXPECT_EQ(log.Completed, 0);
            ASSERT_EQ(log.Errors.size(), 1u);
            EXPECT_NE(log.Errors[0].find(c.ExpectedInError), std::string::npos) << log.Errors[0];
            EXPECT_TRUE(picture->Empty());
            EXPECT_TRUE(picture->Data().empty());
            EXPECT_FALSE(picture->Busy());
            EXPECT_EQ(changes, 0);
            EXPECT_EQ(picture->ID(), server.Url("/x.png")) << "the cache finds it and asks no more";
            TBitmap target(4, 4);
            target.Canvas()->Brush()->SetColor(clWhite);
            target.Canvas()->FillRect(Rect(0, 0, 4, 4));
            picture->Draw(target.Canvas(), Rect(0, 0, 4, 4));
            EXPECT_EQ(target.Pixel(1, 1), clWhite);
        }
    }
}

TEST_F(HTMLPictureDownLoad, WithoutAsynchThePictureIsThereWhenLoadFromURLReturns) {
    const std::string png = SolidPng(2, 2, 0, 255, 0);
    TinyHttpServer server(Answer("HTTP/1.0 200 OK", png));
    THTMLPicture picture;
    picture.SetAsynch(false);
    DownLoadLog log;
    log.Watch(picture);
    picture.LoadFromURL(server.Url());
    EXPECT_EQ(TDownLoadThread::RunningCount(), 0);
    EXPECT_EQ(log.Completed, 1);
    EXPECT_FALSE(picture.Busy());
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(picture.URL(), server.Url());
}

TEST_F(HTMLPictureDownLoad, OnDownLoadCancelCanRefuseTheDownload) {
    TinyHttpServer server(Answer("HTTP/1.1 200 OK", SolidPng(2, 2, 0, 0, 0)));
    for (bool asynch : {true, false}) {
        THTMLPicture picture;
        picture.SetAsynch(asynch);
        DownLoadLog log;
        log.Watch(picture);
        int asked = 0;
        picture.OnDownLoadCancel = [&](TObject* sender, bool& cancel) {
            EXPECT_EQ(sender, &picture);
            ++asked;
            cancel = true;
        };
        picture.LoadFromURL(server.Url());
        FinishDownLoads();
        EXPECT_EQ(asked, 1);
        EXPECT_FALSE(picture.Busy());
        EXPECT_TRUE(picture.Empty());
        EXPECT_EQ(log.Completed + log.Errors.size(), 0u);
        EXPECT_EQ(picture.ID(), server.Url());
    }
    EXPECT_FALSE(server.WaitForRequest(100ms)) << "a refused download sends no request";
}

TEST_F(HTMLPictureDownLoad, ASecondURLWaitsForTheRunningDownload) {
    TinyHttpServer silent("");
    {
        THTMLPicture picture;
        picture.LoadFromURL(silent.Url("/first.png"));
        ASSERT_TRUE(silent.WaitForRequest(10s));
        picture.LoadFromURL("http://127.0.0.1:1/second.png");
        EXPECT_EQ(picture.URL(), silent.Url("/first.png"));
        EXPECT_EQ(picture.ID(), silent.Url("/first.png"));
        EXPECT_EQ(TDownLoadThread::RunningCount(), 1);
    }
    FinishDownLoads();
}

TEST_F(HTMLPictureDownLoad, APictureFreedWhileItsDownloadRunsIsNeverTouched) {
    // The download thread outlives the picture; AddressSanitizer catches any late touch.
    struct Case {
        const char* Name;
        std::string Answer; // empty: the server stays silent
    };
    const std::vector<Case> cases = {
        {"silent server", ""},
        {"answer arriving after the picture went",
         Answer("HTTP/1.1 200 OK", SolidPng(8, 8, 1, 2, 3))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TinyHttpServer server(c.Answer);
        bool eventAfterFree = false;
        {
            THTMLPictureCache cache;
            THTMLPicture* picture = cache.AddPicture();
            picture->OnDownLoadComplete = [&](TObject*) { eventAfterFree = true; };
            picture->OnDownLoadError = [&](TObject*, const std::string&) { eventAfterFree = true; };
            picture->OnDownLoadProgress = [&](TObject*, uint32_t, uint32_t) {
                eventAfterFree = true;
            };
            picture->LoadFromURL(server.Url());
            ASSERT_TRUE(server.WaitForRequest(10s));
        }
        FinishDownLoads();
        EXPECT_FALSE(eventAfterFree);
    }
}

} // namespace
