#pragma once
#include <windows.h>

// The IUnknown part of an object made with new and handed out as the COM
// interfaces it derives from: one reference held from its making, deleted
// at the last Release. QueryInterface answers with what Find gives for an
// interface id.
template <typename... Interfaces>
class ComObject : public Interfaces... {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) final {
        if (!out) return E_POINTER;
        *out = Find(iid);
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() final { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() final {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;
    // The object as the interface iid names; null for one it does not have.
    virtual void* Find(REFIID iid) = 0;

private:
    ULONG references_ = 1;
};
