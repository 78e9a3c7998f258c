#include "grid/foundation/HTMLPicture.h"

#include "grid/foundation/DownLoadThread.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/core/Text.h"
#include "platform/ui/PictureImage.h"

#include <cstdint>
#include <filesystem>
#include <istream>
#include <iterator>
#include <ostream>

THTMLPicture::THTMLPicture() : FPicture(std::make_unique<TPictureImage>()) {}

THTMLPicture::~THTMLPicture() {
    DetachDownLoad();
}

void THTMLPicture::DetachDownLoad() {
    if (!FDownLoad)
        return;
    FDownLoad->Picture = nullptr;
    FDownLoad->Cancelled = true;
    FDownLoad.reset();
}

void THTMLPicture::Decode() {
    FIsEmpty = true;
    FPicture->Clear();
    if (FData.empty())
        return;
    if (!FPicture->Load(FData))
        throw Exception("Could not load image. Invalid format");
    FIsEmpty = false;
    SelectFrame(FFrame);
}

void THTMLPicture::SelectFrame(int Value) {
    if (Value < 1 || Value > FPicture->FrameCount())
        Value = 1;
    FFrame = Value;
    FPicture->SetFrame(Value);
    TPictureFrame info = FPicture->FrameInfo(Value);
    FFrameXPos = static_cast<uint16_t>(info.Left);
    FFrameYPos = static_cast<uint16_t>(info.Top);
}

void THTMLPicture::LoadFromBytes(std::string_view Bytes) {
    FData.assign(Bytes);
    FFrame = 1;
    FNextCount = -1;
    FTimerCount = -1;
    try {
        Decode();
    } catch (...) {
        FData.clear();
        throw;
    }
    FireEvent(OnChange, this);
}

void THTMLPicture::LoadFromStream(std::istream& Stream) {
    std::string bytes{std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>()};
    LoadFromBytes(bytes);
}

// Only a regular file within the download size limit is read: a mark-up text may name a device or
// a pipe, which would block the painting thread or never end.
void THTMLPicture::LoadFromFile(const std::string& FileName) {
    try {
        std::error_code error;
        const std::filesystem::path path(FileName);
        if (!std::filesystem::is_regular_file(path, error))
            throw Exception("Not a picture file");
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (error || (FMaxDownLoadSize > 0 && size > FMaxDownLoadSize))
            throw Exception("Picture file too large");
        LoadFromBytes(ReadFileBytes(FileName));
    } catch (const std::exception&) {
        FData.clear();
        FPicture->Clear();
        FIsEmpty = true;
    }
}

void THTMLPicture::LoadFromURL(const std::string& URL) {
    std::string upper = UpperCase(URL);
    if (StartsWith(upper, "RES://")) {
        FID = URL;
        return; // the program carries no picture resources
    }
    if (StartsWith(upper, "FILE://")) {
        FID = URL;
        if (URL.size() > 7)
            LoadFromFile(URL.substr(7));
        return;
    }
    const bool download = StartsWith(upper, "HTTP://") || StartsWith(upper, "HTTPS://");
    // The picture keeps the URL whose bytes are on their way.
    if (download && FThreadBusy)
        return;
    // The ID is set whatever comes of it, so the cache finds this picture again instead of
    // adding one more on every paint.
    FURL = URL;
    FID = URL;
    if (download)
        DownLoadURL(URL);
}

void THTMLPicture::DownLoadURL(const std::string& URL) {
    bool cancel = false;
    if (OnDownLoadCancel)
        OnDownLoadCancel(this, cancel);
    if (cancel)
        return;
    auto job = std::make_shared<TDownLoadJob>();
    job->URL = URL;
    job->Timeout = FDownLoadTimeout;
    job->MaxSize = FMaxDownLoadSize;
    job->ReportProgress = static_cast<bool>(OnDownLoadProgress);
    FThreadBusy = true;
    if (FAsynch) {
        job->Picture = this;
        FDownLoad = job;
        TDownLoadThread::Run(std::move(job));
        return;
    }
    std::string bytes;
    try {
        bytes = FetchPictureBytes(
            *job, [this](uint32_t Size, uint32_t Total) { DownLoadProgress(Size, Total); });
    } catch (const Exception& e) {
        DownLoadFailed(e.Message);
        return;
    }
    DownLoadDone(bytes);
}

void THTMLPicture::DownLoadProgress(uint32_t Size, uint32_t TotalSize) {
    FireEvent(OnDownLoadProgress, this, Size, TotalSize);
}

void THTMLPicture::DownLoadDone(const std::string& Bytes) {
    if (Bytes.empty()) {
        DownLoadFailed("Could not load image");
        return;
    }
    FThreadBusy = false;
    FDownLoad.reset();
    try {
        LoadFromBytes(Bytes);
    } catch (const Exception& e) {
        FireEvent(OnDownLoadError, this, e.Message);
        return;
    }
    FireEvent(OnDownLoadComplete, this);
}

void THTMLPicture::DownLoadFailed(const std::string& Error) {
    FThreadBusy = false;
    FDownLoad.reset();
    FireEvent(OnDownLoadError, this, Error);
}

void THTMLPicture::SaveToStream(std::ostream& Stream) const {
    Stream.write(FData.data(), static_cast<std::streamsize>(FData.size()));
}

void THTMLPicture::Assign(const THTMLPicture* Source) {
    FIsEmpty = true;
    FPicture->Clear();
    FFrame = 1;
    FNextCount = -1;
    FTimerCount = -1;
    FFrameXPos = FFrameYPos = 0;
    FireEvent(OnFrameChange, this);
    if (!Source || Source == this) {
        if (!Source)
            FData.clear();
        else
            Decode();
        return;
    }
    FData = Source->FData;
    FStretched = Source->FStretched;
    Decode();
    FireEvent(OnChange, this);
}

void THTMLPicture::Draw(TCanvas* Canvas, const TRect& R) const {
    if (FIsEmpty)
        return;
    FPicture->Draw(Canvas, R, FStretched);
}

void THTMLPicture::StretchDraw(TCanvas* Canvas, const TRect& R) const {
    if (!FIsEmpty)
        FPicture->Draw(Canvas, R, true);
}

int THTMLPicture::Width() const {
    return FIsEmpty ? 0 : FPicture->Width();
}

int THTMLPicture::Height() const {
    return FIsEmpty ? 0 : FPicture->Height();
}

int THTMLPicture::MaxWidth() const {
    return Width();
}

int THTMLPicture::MaxHeight() const {
    return Height();
}

bool THTMLPicture::IsGIF() const {
    return FData.size() > 4 && FData.compare(0, 4, "GIF8") == 0;
}

int THTMLPicture::FrameCount() const {
    if (!IsGIF())
        return -1;
    return FPicture->FrameCount();
}

void THTMLPicture::SetFrame(int Value) {
    if (FData.empty() || FIsEmpty || Value < 1 || Value > FPicture->FrameCount())
        return;
    SelectFrame(Value);
    FireEvent(OnFrameChange, this);
}

void THTMLPicture::FrameNext() {
    int count = FPicture->FrameCount();
    SetFrame(FFrame >= count ? 1 : FFrame + 1);
}

void THTMLPicture::FramePrev() {
    int count = FPicture->FrameCount();
    SetFrame(FFrame <= 1 ? count : FFrame - 1);
}

int THTMLPicture::GetFrameTime(int FrameNumber) const {
    if (!IsGIF() || FrameNumber < 1 || FrameNumber > FPicture->FrameCount())
        return -1;
    return FPicture->FrameInfo(FrameNumber).Delay;
}

bool THTMLPicture::Step() {
    if (FrameCount() < 2 || FIsEmpty)
        return false;
    bool changed = false;
    if (FNextCount == -1)
        FNextCount = GetFrameTime(FFrame);
    if (FTimerCount * 10 >= FNextCount) {
        FrameNext();
        FNextCount += GetFrameTime(FFrame);
        changed = true;
    }
    ++FTimerCount;
    return changed;
}

void THTMLPictureCache::Watch(THTMLPicture* Picture) {
    Picture->OnChange = [this](TObject* Sender) { FireEvent(OnChange, Sender); };
}

THTMLPicture* THTMLPictureCache::AddPicture() {
    FItems.push_back(std::make_unique<THTMLPicture>());
    Watch(FItems.back().get());
    return FItems.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(std::string_view ID) const {
    for (const auto& picture : FItems)
        if (picture->ID() == ID)
            return picture.get();
    return nullptr;
}

THTMLPicture* THTMLPictureCache::GetPicture(int Index) const {
    return Index >= 0 && Index < Count() ? FItems[static_cast<size_t>(Index)].get() : nullptr;
}

void THTMLPictureCache::SetPicture(int Index, std::unique_ptr<THTMLPicture> Picture) {
    if (Index < 0 || Index >= Count() || !Picture)
        return;
    Watch(Picture.get());
    FItems[static_cast<size_t>(Index)] = std::move(Picture);
}

bool THTMLPictureCache::Animate() {
    bool changed = false;
    for (const auto& picture : FItems)
        changed = picture->Step() || changed;
    return changed;
}
