#pragma once
#include <windows.h>

#include <objbase.h>

// COM, from ole32 loaded by its full path only when something needs it.

// The calling thread joins a single-threaded apartment for as long as this lives.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    bool Joined() const { return joined_; }

private:
    bool joined_ = false;
};

HRESULT CreateInProcObject(REFCLSID classId, REFIID interfaceId, void** object);
