#include "controls/buttons/window/button_drop_target_win.h"

#include <ole2.h>

#include "controls/buttons/window/button_input_win.h"
#include "controls/buttons/window/com_object_win.h"

namespace {

// OLEDragOver's State.
constexpr std::int16_t kDragEnters = 0, kDragLeaves = 1, kDragMoves = 2;

DragData DragDataOf(IDataObject* data) { return static_cast<DragData>(reinterpret_cast<std::uintptr_t>(data)); }

}  // namespace

IDataObject* DataObjectOf(DragData data) { return reinterpret_cast<IDataObject*>(static_cast<std::uintptr_t>(data)); }

class DropTarget final : public ComObject<IDropTarget> {
public:
    DropTarget(HWND window, ButtonInteraction& button) : window_(window), button_(&button) {}
    DropTarget(const DropTarget&) = delete;
    DropTarget& operator=(const DropTarget&) = delete;

    void Disconnect() { button_ = nullptr; }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL at, DWORD* effect) override {
        data_ = data;
        return Over(keyState, at, effect, kDragEnters);
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL at, DWORD* effect) override {
        return Over(keyState, at, effect, kDragMoves);
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        // No position comes with a leave: the last one stands.
        DWORD effect = DROPEFFECT_NONE;
        Over(lastKeyState_, lastAt_, &effect, kDragLeaves);
        data_ = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL at, DWORD* effect) override {
        data_ = nullptr;
        if (!effect) return E_INVALIDARG;
        if (!button_) return S_OK;
        std::int32_t raised = static_cast<std::int32_t>(*effect);
        const POINT client = Client(at);
        button_->OLEDragDrop(DragDataOf(data), raised, MouseButtonsOf(keyState), ShiftOf(keyState),
                             static_cast<float>(client.x), static_cast<float>(client.y));
        *effect = static_cast<DWORD>(raised);
        return S_OK;
    }

private:
    ~DropTarget() override = default;

    void* Find(REFIID iid) override {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDropTarget)) return static_cast<IDropTarget*>(this);
        return nullptr;
    }

    HRESULT Over(DWORD keyState, POINTL at, DWORD* effect, std::int16_t state) {
        if (!effect) return E_INVALIDARG;
        lastKeyState_ = keyState;
        lastAt_ = at;
        if (!button_) return S_OK;
        std::int32_t raised = static_cast<std::int32_t>(*effect);
        const POINT client = Client(at);
        button_->OLEDragOver(DragDataOf(data_), raised, MouseButtonsOf(keyState), ShiftOf(keyState),
                             static_cast<float>(client.x), static_cast<float>(client.y), state);
        *effect = static_cast<DWORD>(raised);
        return S_OK;
    }

    POINT Client(POINTL at) const {
        POINT p{at.x, at.y};
        ScreenToClient(window_, &p);
        return p;
    }

    HWND window_;
    ButtonInteraction* button_;
    IDataObject* data_ = nullptr;  // borrowed from the drag between its enter and its leave or drop
    DWORD lastKeyState_ = 0;
    POINTL lastAt_{};
};

ButtonDropTarget::ButtonDropTarget(HWND window, ButtonInteraction& button)
    : window_(window), target_(new DropTarget(window, button)) {
    if (RegisterDragDrop(window, target_.get()) != S_OK) target_.reset();
}

ButtonDropTarget::~ButtonDropTarget() {
    if (!target_) return;
    target_.get()->Disconnect();
    RevokeDragDrop(window_);
}
