#pragma once

#include "platform/ui/Object.h"
#include "platform/ui/Types.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TCanvas;
class TPictureImage;
struct TDownLoadJob;

// A picture that keeps the raw bytes of its file and shows them decoded: bitmap, PNG, JPEG,
// GIF (any one of its frames), icon; a Windows metafile keeps its size and draws nothing.
class THTMLPicture : public TObject {
public:
    THTMLPicture();
    ~THTMLPicture() override;

    // Takes Source's bytes and decodes them; nullptr clears the picture.
    void Assign(const THTMLPicture* Source);
    // Natural size from R's top-left corner, or stretched into R with Stretch.
    void Draw(TCanvas* Canvas, const TRect& R) const;
    // Stretched into R whatever Stretch says.
    void StretchDraw(TCanvas* Canvas, const TRect& R) const;
    bool Empty() const { return FIsEmpty; }
    int Width() const;
    int Height() const;
    // The animation's screen size, or Width and Height.
    int MaxWidth() const;
    int MaxHeight() const;

    // Bytes that are no picture throw Exception; the picture is empty then.
    void LoadFromStream(std::istream& Stream);
    void LoadFromBytes(std::string_view Bytes);
    // Any failure leaves the picture empty and is not reported.
    void LoadFromFile(const std::string& FileName);
    // "FILE://path" loads the file; "RES://" names a resource of the program, which this build
    // has none of. An "http://" or "https://" URL is downloaded, in the background with Asynch
    // (Busy meanwhile; a second URL is ignored until it ends), else at once; OnDownLoadCancel
    // may refuse it first. Downloaded bytes are decoded on the UI thread (OnChange, then
    // OnDownLoadComplete); a failure (no answer within DownLoadTimeout, an error status, more
    // than MaxDownLoadSize bytes, no picture) leaves the picture empty and fires
    // OnDownLoadError. Any other URL loads nothing. The URL becomes the picture's ID either
    // way, so the cache finds it again.
    void LoadFromURL(const std::string& URL);
    void SaveToStream(std::ostream& Stream) const;
    // The streamed form: the raw bytes.
    const std::string& Data() const { return FData; }
    void ReadData(std::string_view Bytes) { LoadFromBytes(Bytes); }

    bool Stretch() const { return FStretched; }
    void SetStretch(bool Value) { FStretched = Value; }
    const std::string& ID() const { return FID; }
    void SetID(const std::string& Value) { FID = Value; }
    const std::string& URL() const { return FURL; }
    bool IsDB() const { return FIsDB; }
    void SetIsDB(bool Value) { FIsDB = Value; }
    bool Asynch() const { return FAsynch; }
    void SetAsynch(bool Value) { FAsynch = Value; }
    bool Busy() const { return FThreadBusy; }
    std::chrono::milliseconds DownLoadTimeout() const { return FDownLoadTimeout; }
    void SetDownLoadTimeout(std::chrono::milliseconds Value) { FDownLoadTimeout = Value; }
    std::size_t MaxDownLoadSize() const { return FMaxDownLoadSize; }
    void SetMaxDownLoadSize(std::size_t Value) { FMaxDownLoadSize = Value; }

    // Animation. Frames are one-based; FrameCount is -1 for anything but a GIF.
    bool IsGIF() const;
    int FrameCount() const;
    int Frame() const { return FFrame; }
    // Shows frame Value when the picture has it and fires OnFrameChange.
    void SetFrame(int Value);
    void FrameNext();
    void FramePrev();
    // The frame's delay in hundredths of a second; -1 when not a GIF or no such frame.
    int GetFrameTime(int FrameNumber) const;
    // Where the shown frame's own image lies on the animation's screen.
    int FrameXPos() const { return FFrameXPos; }
    int FrameYPos() const { return FFrameYPos; }
    // One tick of 100 ms of the animation; True when the shown frame changed.
    bool Step();

    TNotifyEvent OnChange;
    TNotifyEvent OnFrameChange;
    // Downloads of LoadFromURL; all fire on the UI thread.
    std::function<void(TObject* Sender, const std::string& Error)> OnDownLoadError;
    TNotifyEvent OnDownLoadComplete;
    std::function<void(TObject* Sender, bool& Cancel)> OnDownLoadCancel;
    std::function<void(TObject* Sender, uint32_t Size, uint32_t TotalSize)> OnDownLoadProgress;

private:
    friend class TDownLoadThread;

    void Decode();
    void DownLoadURL(const std::string& URL);
    void DownLoadProgress(uint32_t Size, uint32_t TotalSize);
    void DownLoadDone(const std::string& Bytes);
    void DownLoadFailed(const std::string& Error);
    void DetachDownLoad();
    void SelectFrame(int Value);

    std::string FData;
    bool FIsEmpty = true;
    bool FStretched = false;
    std::unique_ptr<TPictureImage> FPicture;
    std::string FURL;
    std::string FID;
    bool FIsDB = false;
    bool FAsynch = true;
    bool FThreadBusy = false;
    int FFrame = 1;
    uint16_t FFrameXPos = 0;
    uint16_t FFrameYPos = 0;
    int FNextCount = -1;
    int FTimerCount = -1;
    std::chrono::milliseconds FDownLoadTimeout{10000};
    // Bounds what a server can make the program hold.
    std::size_t FMaxDownLoadSize = 32 * 1024 * 1024;
    std::shared_ptr<TDownLoadJob> FDownLoad;
};

// Pictures named by URL, one cache per grid; the cache owns them.
class THTMLPictureCache {
public:
    THTMLPictureCache() = default;
    THTMLPictureCache(const THTMLPictureCache&) = delete;
    THTMLPictureCache& operator=(const THTMLPictureCache&) = delete;

    // The new picture's OnChange is the cache's.
    THTMLPicture* AddPicture();
    // The first picture whose ID is exactly ID.
    THTMLPicture* FindPicture(std::string_view ID) const;
    void ClearPictures() { FItems.clear(); }
    int Count() const { return static_cast<int>(FItems.size()); }
    THTMLPicture* GetPicture(int Index) const;
    // Replaces the entry; the picture it held is freed, the new one's OnChange is the cache's.
    void SetPicture(int Index, std::unique_ptr<THTMLPicture> Picture);
    bool Animate();

    // A picture of the cache changed, e.g. its download arrived (Sender: the picture). Its
    // owner repaints what shows the cache's pictures.
    TNotifyEvent OnChange;

private:
    void Watch(THTMLPicture* Picture);

    std::vector<std::unique_ptr<THTMLPicture>> FItems;
};
