#pragma once

#include "platform/ui/Component.h"

#include <vector>

class TWinControl;

// Window handles; on this platform a windowed control is its own handle.
class THandleList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    void Add(TWinControl* Handle) { FItems.push_back(Handle); }
    void Insert(int Index, TWinControl* Handle);
    void Delete(int Index);
    // Removes the first occurrence; nothing when absent.
    void DeleteValue(const TWinControl* Handle);
    bool HasValue(const TWinControl* Handle) const;
    TWinControl* GetInteger(int Index) const;
    void SetInteger(int Index, TWinControl* Handle);

private:
    std::vector<TWinControl*> FItems;
};

// Tells registered grid windows when the office suite's colour scheme changes. The watch runs
// only where an office suite of version 2007 or 2010 keeps its settings, which this platform
// never has: windows can register, and receive nothing.
class TThemeNotifier : public TComponent {
public:
    explicit TThemeNotifier(TComponent* AOwner);
    ~TThemeNotifier() override;

    // Both do nothing while no watch runs.
    void RegisterWindow(TWinControl* Handle);
    void UnRegisterWindow(TWinControl* Handle);
    bool Watching() const { return FWatching; }
    const THandleList& Windows() const { return FWindows; }

    TNotifyEvent OnOfficeThemeChange;

private:
    bool FWatching = false;
    THandleList FWindows;
};

// The process-wide notifier, created on the first call with the main form as owner when there
// is one, else with the calling component. A later call after its destruction creates a new one.
TThemeNotifier* GetThemeNotifier(TComponent* AOwner);
