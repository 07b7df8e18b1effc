#pragma once
#include <map>

#include "sysutil/WindowBase_win.h"

// A hidden window that several objects of one kind share, each known to it by an
// identifier of its own (a timer's, an icon's): it lives from the first object that
// joins to the last one that leaves.
template <typename Client>
class SharedWindow : public WindowBase {
public:
    UINT_PTR Add(Client* client)
    {
        if (clients_.empty())
            Open();
        const UINT_PTR id = nextId_++;
        clients_[id] = client;
        return id;
    }

    void Remove(UINT_PTR id)
    {
        clients_.erase(id);
        if (clients_.empty() && hwnd_)
            DestroyWindow(hwnd_);
    }

protected:
    // A message-only window unless a top-level one is needed (HWND_MESSAGE, or null).
    SharedWindow(const wchar_t* className, HWND parent, DWORD style, DWORD exStyle)
        : className_(className), parent_(parent), style_(style), exStyle_(exStyle)
    {
    }

    Client* Find(UINT_PTR id) const
    {
        const auto it = clients_.find(id);
        return it == clients_.end() ? nullptr : it->second;
    }

private:
    void Open()
    {
        RegisterClassOnce(className_, 0, nullptr, nullptr);
        CreateWindowOf(className_, L"", style_, exStyle_, 0, 0, 0, 0, parent_, nullptr);
    }

    const wchar_t* className_;
    HWND parent_;
    DWORD style_;
    DWORD exStyle_;
    UINT_PTR nextId_ = 1;
    std::map<UINT_PTR, Client*> clients_;
};
