#include "app/queue_list_win.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include "app/queue_item_draw_win.h"
#include "controls/buttons/testing/test_input_win.h"
#include "controls/buttons/testing/test_surface_win.h"
#include "platform/screen_win.h"
#include "platform/window_text_win.h"

namespace {

// A real owner-drawn list box on a window of its own that hands its items'
// drawing to the queue, as the main window does.
class QueueHost final : public Window, public QueueMenuOwner {
public:
    QueueHost() {
        WindowDescriptor descriptor;
        descriptor.className = L"DurnwickQueueTestHost";
        descriptor.style = WS_POPUP | WS_VISIBLE;
        descriptor.bounds = {100, 100, 600, 400};
        EXPECT_TRUE(CreateOwnWindow(descriptor));
        list_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", nullptr,
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                                    LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                                10, 10, 420, 200, hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        queue.Attach(list_, *this, statuses);
    }
    ~QueueHost() override { DestroyOwnWindow(); }

    bool QueueCommandAllowed(QueueCommand, size_t) const override { return true; }
    void QueueCommandChosen(QueueCommand, size_t) override {}

    HWND list() const { return list_; }
    RECT Item(size_t position) const {
        RECT item{};
        SendMessageW(list_, LB_GETITEMRECT, position, reinterpret_cast<LPARAM>(&item));
        return item;
    }
    // A result as the run records it.
    void Record(size_t position, const std::wstring& address, const EntryAttempt& attempt) {
        statuses.Record(address, attempt);
        queue.ResultChanged(position, address);
    }
    QueueStatuses statuses;
    QueueList queue;

private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_DRAWITEM) {
            queue.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
            return TRUE;
        }
        return DefaultProc(msg, wp, lp);
    }
    HWND list_ = nullptr;
};

EntryAttempt Result(EntryResult result) {
    EntryAttempt attempt;
    attempt.time = {2026, 12, 9, 8, 5, 7};
    attempt.arrived = result != EntryResult::Failed;
    attempt.unchanged = result == EntryResult::Unchanged;
    attempt.words = attempt.arrived ? L"OK, HTTP 200" : L"failed, HTTP 404";
    attempt.targetPath = L"C:\\Downloads\\file.txt";
    return attempt;
}

const std::vector<std::wstring> kEntries = {L"http://h/new.txt", L"http://h/ok.txt", L"http://h/same.txt",
                                            L"http://h/gone.txt"};

class QueueListTest : public ::testing::Test {
protected:
    void SetUp() override {
        host_.queue.Append(kEntries);
        host_.statuses.BeginRun();
        host_.Record(1, kEntries[1], Result(EntryResult::Downloaded));
        host_.Record(2, kEntries[2], Result(EntryResult::Unchanged));
        host_.Record(3, kEntries[3], Result(EntryResult::Failed));
        SetForegroundWindow(host_.hwnd());
        PumpUntil([&] { return GetForegroundWindow() == host_.hwnd(); }, kInputDeadlineMs);
        SetFocus(host_.list());
        Settle();
    }
    QueueHost host_;
};

TEST_F(QueueListTest, EachResultHasItsGlyphAndTheSelectionIsDrawnAsTheSystemDrawsIt) {
    SendMessageW(host_.list(), LB_SETCURSEL, 1, 0);
    UpdateWindow(host_.list());
    const TestSurface shot(host_.list());
    const int dpi = ScreenDpi();
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);

    struct Row {
        EntryResult result;
        COLORREF background;
        COLORREF centre;  // what the glyph's mark leaves at its middle; the check's line may pass there
    } rows[] = {{EntryResult::NotFetched, window, window},
                {EntryResult::Downloaded, highlight, CLR_INVALID},
                {EntryResult::Unchanged, window, GlyphColour(EntryResult::Unchanged)},
                {EntryResult::Failed, window, kGlyphMark}};
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(kEntries[i]);
        const RECT item = host_.Item(i);
        const RECT glyph = GlyphBox(item, dpi);
        const int size = glyph.right - glyph.left;
        EXPECT_EQ(size, MulDiv(12, dpi, 96)) << "scaled with the screen";
        EXPECT_GE(item.bottom - item.top, size + 2);
        const int middleX = (glyph.left + glyph.right) / 2;
        const int middleY = (glyph.top + glyph.bottom) / 2;
        // The disc's colour above the mark; a ring is empty inside.
        EXPECT_TRUE(PixelIs(shot, {middleX, glyph.top + size / 5}, i == 0 ? window : GlyphColour(rows[i].result)));
        if (rows[i].centre != CLR_INVALID) {
            EXPECT_TRUE(PixelIs(shot, {middleX, middleY}, rows[i].centre));
        }
        // The glyph fills its box and nothing beyond it before the address.
        EXPECT_EQ(
            RectText(shot.BoxOf(GlyphColour(rows[i].result), {item.left, item.top, glyph.right + 3, item.bottom})),
            RectText(glyph));
        EXPECT_TRUE(PixelIs(shot, {glyph.right + 1, middleY}, rows[i].background));
    }

    // The selected item has the focus: its dotted frame, where the others have none.
    const RECT selected = host_.Item(1);
    EXPECT_NE(RectText(shot.Ink(highlight, {selected.left, selected.top, selected.right, selected.top + 1})),
              RectText(RECT{}));
    const RECT other = host_.Item(2);
    EXPECT_EQ(RectText(shot.Ink(window, {other.left, other.top, other.right, other.top + 1})), RectText(RECT{}));

    // The failed entry's streak is written at its right, in the failure's colour.
    const RECT failed = host_.Item(3);
    const RECT streak = shot.BoxOf(GlyphColour(EntryResult::Failed),
                                   {(failed.left + failed.right) / 2, failed.top, failed.right, failed.bottom});
    EXPECT_GT(streak.right, failed.right - 10) << RectText(streak);
    EXPECT_EQ(WindowText(host_.list()), L"") << "the list's own text is untouched";
}

TEST_F(QueueListTest, TheItemTextsStayTheAddressesAsQueued) {
    for (size_t i = 0; i < kEntries.size(); ++i) EXPECT_EQ(host_.queue.Entry(i), kEntries[i]);
    EXPECT_EQ(host_.queue.FailingCount(), 1u);
    host_.queue.Remove(3);
    EXPECT_EQ(host_.queue.FailingCount(), 0u);
    EXPECT_EQ(host_.queue.Count(), 3u);
}

TEST_F(QueueListTest, TheTipOfAHoveredFailedEntrySaysWhenWhatAndWhere) {
    const auto hover = [&](size_t position) {
        const RECT item = host_.Item(position);
        POINT middle{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        ClientToScreen(host_.list(), &middle);
        MoveTo(middle);
        EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(host_.queue.HoverTip()) != FALSE; }, kInputDeadlineMs));
        return WindowText(host_.queue.HoverTip());
    };
    EXPECT_EQ(hover(3), L"2026-12-09 08:05:07\r\nFailed: failed, HTTP 404\r\n0 bytes\r\nfile.txt");
    EXPECT_EQ(hover(0), L"Not yet fetched");
    MoveTo({0, 0});
}

TEST_F(QueueListTest, AReaderGetsTheAddressFollowedByTheResult) {
    struct Apartment {
        Apartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
        ~Apartment() { CoUninitialize(); }
    } apartment;
    IAccessible* object = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(host_.list(), OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&object)),
              S_OK);
    const Com<IAccessible> reader(object);
    LONG children = 0;
    EXPECT_EQ(reader.get()->get_accChildCount(&children), S_OK);
    EXPECT_EQ(children, 4);

    const auto child = [](LONG id) {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_I4;
        v.lVal = id;
        return v;
    };
    const auto name = [&](LONG id) {
        BSTR text = nullptr;
        EXPECT_EQ(reader.get()->get_accName(child(id), &text), S_OK);
        std::wstring result = text ? text : L"";
        SysFreeString(text);
        return result;
    };
    EXPECT_EQ(name(1), L"http://h/new.txt, not yet fetched");
    EXPECT_EQ(name(2), L"http://h/ok.txt, downloaded: OK, HTTP 200");
    EXPECT_EQ(name(4), L"http://h/gone.txt, failed: failed, HTTP 404");

    VARIANT role;
    EXPECT_EQ(reader.get()->get_accRole(child(4), &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_LISTITEM);
    SendMessageW(host_.list(), LB_SETCURSEL, 3, 0);
    VARIANT state;
    EXPECT_EQ(reader.get()->get_accState(child(4), &state), S_OK);
    EXPECT_EQ(state.lVal & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED),
              STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED);
    VARIANT focus;
    EXPECT_EQ(reader.get()->get_accFocus(&focus), S_OK);
    EXPECT_EQ(focus.lVal, 4);

    // A new result is read at once.
    host_.statuses.BeginRun();
    host_.Record(3, kEntries[3], Result(EntryResult::Failed));
    EXPECT_EQ(name(4), L"http://h/gone.txt, failed 2 runs in a row: failed, HTTP 404");
    BSTR none = nullptr;
    EXPECT_EQ(reader.get()->get_accName(child(5), &none), E_INVALIDARG) << "past the last item";
}

}  // namespace
