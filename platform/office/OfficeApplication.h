#pragma once

#include "platform/office/DesktopViewer.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// An office application that grid and program code drive: its open files (workbooks or
// documents) and the active one. A hidden application serves one operation and quits. A
// visible one is the user's running application: Running() finds it, and every file it saves
// is shown to the user in the desktop's program for that kind of file.
template <class TFile> class TOfficeApplication {
public:
    TOfficeApplication() : ShowFile(ShowInDesktopProgram) {}
    ~TOfficeApplication() { SetVisible(false); }
    TOfficeApplication(const TOfficeApplication&) = delete;
    TOfficeApplication& operator=(const TOfficeApplication&) = delete;

    // The visible application, or null when none runs.
    static TOfficeApplication* Running() { return RunningApplication; }

    // The running application, else a new hidden one that `own` keeps for the caller.
    static TOfficeApplication& RunningOrNew(std::unique_ptr<TOfficeApplication>& own) {
        if (RunningApplication)
            return *RunningApplication;
        own = std::make_unique<TOfficeApplication>();
        return *own;
    }

    bool Visible() const { return FVisible; }
    // Only one application of a kind runs visibly: showing one hides the previous one.
    void SetVisible(bool visible) {
        if (visible) {
            if (RunningApplication && RunningApplication != this)
                RunningApplication->FVisible = false;
            RunningApplication = this;
        } else if (RunningApplication == this) {
            RunningApplication = nullptr;
        }
        FVisible = visible;
    }

    // Opens a file and makes it the active one; failures as TFile::Open.
    TFile& Open(const std::string& fileName) { return Adopt(TFile::Open(fileName)); }
    TFile& Add() { return Adopt(std::make_unique<TFile>()); }
    int Count() const { return static_cast<int>(FFiles.size()); }
    // The last opened or added file, or null.
    TFile* Active() { return FFiles.empty() ? nullptr : FFiles.back().get(); }
    void Close(TFile& file) {
        std::erase_if(FFiles, [&](const auto& open) { return open.get() == &file; });
    }
    // Closes every file without saving.
    void Quit() { FFiles.clear(); }

    // Shows a saved file to the user; by default the desktop's opener.
    std::function<void(const std::string&)> ShowFile;

private:
    TFile& Adopt(std::unique_ptr<TFile> file) {
        file->OnSaved = [this](const std::string& fileName) {
            if (FVisible && ShowFile)
                ShowFile(fileName);
        };
        FFiles.push_back(std::move(file));
        return *FFiles.back();
    }

    static inline TOfficeApplication* RunningApplication = nullptr;
    std::vector<std::unique_ptr<TFile>> FFiles;
    bool FVisible = false;
};
