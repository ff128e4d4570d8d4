#pragma once
#include <windows.h>

#include <string>

// Puts a long text into a multi-line edit box a slice of lines at a time:
// the first slice at once, the rest when the thread has nothing else to do.
// Wine's edit box measures every line it is given, so 32 767 addresses would
// hold the window for over a second before it shows. Until the rest is in,
// the box behaves as if it held the whole text: reading its text, any edit
// message and any key or click put the rest in first; a new text replaces
// what is left.
class DeferredEditText {
public:
    explicit DeferredEditText(HWND edit);
    DeferredEditText(const DeferredEditText&) = delete;
    DeferredEditText& operator=(const DeferredEditText&) = delete;
    ~DeferredEditText();

    void Set(std::wstring text);
    bool Pending() const { return edit_ && next_ < text_.size(); }
    void Finish();

private:
    static LRESULT CALLBACK Proc(HWND edit, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    void AppendSlice();
    void Stop();

    HWND edit_;
    std::wstring text_;
    size_t next_ = 0;  // text_ before it is in the box
    bool appending_ = false;
};
