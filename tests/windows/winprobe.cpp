// winprobe: what the Windows smoke test asks of the desktop, as another Windows program would.
//
//   winprobe window TITLE        the visible top-level window whose title is TITLE: prints
//                                "client X Y W H" (its client area on the
//                                screen) and "close X Y" (a point on its title bar's close
//                                button, found by the window's own hit test); exits 1 if none
//   winprobe clipboard           writes the clipboard's Unicode text to standard output in
//                                UTF-8, byte for byte (CR LF stays CR LF); exits 1 if none
//   winprobe clear-clipboard     empties the clipboard
//   winprobe resize TITLE W H    sizes that window's frame to W x H at 10,10, as window tools do
//   winprobe end-session TITLE yes|no   asks that window whether the session may end (printing
//                                "query" and its answer), then ends the session or cancels it;
//                                exits 1 where a message finds no answer within 15 seconds
//   winprobe pixel X Y           the colour of the screen at X,Y as RRGGBB
//   winprobe automation TITLE    what a screen reader reads of that window through UI
//                                Automation: "SET TYPE NAME" for each element below it in each
//                                set (all; focusable and focused: those where that property
//                                holds), TYPE the control type's number (50000 a button...);
//                                exits 3 if it takes over a minute
//
// The arguments are read as Windows gives them (UTF-16), so Chinese titles arrive whole.
#include <windows.h>

#include <shellapi.h>
#include <uiautomation.h>

#include <cstdio>
#include <string>
#include <utility>

namespace {

struct Search {
    std::wstring title;
    HWND found = nullptr;
};

BOOL CALLBACK matchTitle(HWND window, LPARAM data)
{
    auto &search = *reinterpret_cast<Search *>(data);
    if (!IsWindowVisible(window))
        return TRUE;
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    const std::wstring title(text);
    if (title == search.title) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND findWindow(const std::wstring &title)
{
    Search search{title};
    EnumWindows(matchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int printWindow(const std::wstring &title)
{
    Search search{title, findWindow(title)};
    if (!search.found)
        return 1;
    RECT client{};
    GetClientRect(search.found, &client);
    POINT origin{0, 0};
    ClientToScreen(search.found, &origin);
    std::printf("client %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);

    // The close button: the right-most point of the title bar's middle row where the window
    // says HTCLOSE, and the middle of the button's height there.
    RECT frame{};
    GetWindowRect(search.found, &frame);
    const auto hitsClose = [&](LONG x, LONG y) {
        return SendMessageW(search.found, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE;
    };
    const LONG middle = (frame.top + origin.y) / 2;
    for (LONG x = frame.right - 1; x > frame.left; --x) {
        if (!hitsClose(x, middle))
            continue;
        LONG top = middle;
        LONG bottom = middle;
        while (top > frame.top && hitsClose(x, top - 1))
            --top;
        while (bottom < origin.y && hitsClose(x, bottom + 1))
            ++bottom;
        std::printf("close %ld %ld\n", x - 6, (top + bottom) / 2);
        return 0;
    }
    std::printf("close none\n");
    return 0;
}

void writeUtf8(const std::wstring &text)
{
    const int length = static_cast<int>(text.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, utf8.data(), bytes, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), static_cast<DWORD>(bytes), &written,
              nullptr);
}

// Wine's UI Automation is young: it reads an element's name and control type but answers no
// other property of one element (E_NOTIMPL), has no ready-made tree walkers and may hang in an
// event handler. So the elements where a property holds come from FindAll with a condition on
// it, and a watchdog ends a call that never returns.
int printAutomation(const std::wstring &title)
{
    const HWND window = findWindow(title);
    if (!window)
        return 1;
    CreateThread(
        nullptr, 0,
        [](void *) -> DWORD {
            Sleep(60000);
            std::fputs("UI Automation did not answer within a minute\n", stderr);
            ExitProcess(3);
        },
        nullptr, 0, nullptr);
    IUIAutomation *automation = nullptr;
    IUIAutomationElement *root = nullptr;
    if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))
        || FAILED(CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER,
                                   __uuidof(IUIAutomation), reinterpret_cast<void **>(&automation)))
        || FAILED(automation->ElementFromHandle(window, &root)))
        return 2;
    // Wine compares no two elements either: each set is printed on its own, all of the elements
    // below the window first, then those where a property is true.
    VARIANT yes;
    VariantInit(&yes);
    yes.vt = VT_BOOL;
    yes.boolVal = VARIANT_TRUE;
    const std::pair<const wchar_t *, PROPERTYID> sets[] = {
        {L"all", 0},
        {L"focusable", UIA_IsKeyboardFocusablePropertyId},
        {L"focused", UIA_HasKeyboardFocusPropertyId},
    };
    for (const auto &[label, property] : sets) {
        IUIAutomationCondition *condition = nullptr;
        IUIAutomationElementArray *elements = nullptr;
        if (FAILED(property ? automation->CreatePropertyCondition(property, yes, &condition)
                            : automation->CreateTrueCondition(&condition))
            || FAILED(root->FindAll(TreeScope_Descendants, condition, &elements)) || !elements)
            return 2;
        int count = 0;
        elements->get_Length(&count);
        for (int i = 0; i < count; ++i) {
            IUIAutomationElement *element = nullptr;
            if (FAILED(elements->GetElement(i, &element)) || !element)
                continue;
            CONTROLTYPEID type = 0;
            BSTR name = nullptr;
            element->get_CurrentControlType(&type);
            element->get_CurrentName(&name);
            std::wstring line = std::wstring(label) + L' ' + std::to_wstring(type) + L' ';
            for (const wchar_t *c = name; c && *c; ++c)
                line += (*c == L'\r' || *c == L'\n') ? L' ' : *c;
            writeUtf8(line + L'\n');
            SysFreeString(name);
            element->Release();
        }
        elements->Release();
        condition->Release();
    }
    // The process ends here, and COM with it.
    return 0;
}

int printPixel(int x, int y)
{
    const HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    if (colour == CLR_INVALID)
        return 1;
    std::printf("%02X%02X%02X\n", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return 0;
}

bool openClipboard()
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(nullptr))
            return true;
        Sleep(100);
    }
    return false;
}

int printClipboard()
{
    if (!openClipboard())
        return 2;
    int status = 1;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *text = static_cast<const wchar_t *>(GlobalLock(data))) {
            writeUtf8(text);
            GlobalUnlock(data);
            status = 0;
        }
    }
    CloseClipboard();
    return status;
}

int clearClipboard()
{
    if (!openClipboard())
        return 2;
    EmptyClipboard();
    CloseClipboard();
    return 0;
}

int resize(const std::wstring &title, int width, int height)
{
    const HWND window = findWindow(title);
    if (!window)
        return 1;
    const bool sized =
        SetWindowPos(window, nullptr, 10, 10, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return sized ? 0 : 1;
}

int endSession(const std::wstring &title, bool ends)
{
    const HWND window = findWindow(title);
    if (!window)
        return 1;
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 15000,
                             &answer))
        return 1;
    std::printf("query %lu\n", static_cast<unsigned long>(answer));
    std::fflush(stdout);
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_ENDSESSION, ends, ENDSESSION_LOGOFF, SMTO_NORMAL, 15000,
                               &ignored)
               ? 0
               : 1;
}

} // namespace

int main()
{
    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"window" && argc == 3)
        return printWindow(argv[2]);
    if (command == L"clipboard" && argc == 2)
        return printClipboard();
    if (command == L"clear-clipboard" && argc == 2)
        return clearClipboard();
    if (command == L"resize" && argc == 5)
        return resize(argv[2], _wtoi(argv[3]), _wtoi(argv[4]));
    if (command == L"end-session" && argc == 4)
        return endSession(argv[2], std::wstring(argv[3]) == L"yes");
    if (command == L"pixel" && argc == 4)
        return printPixel(_wtoi(argv[2]), _wtoi(argv[3]));
    if (command == L"automation" && argc == 3)
        return printAutomation(argv[2]);
    std::fputs("usage: winprobe window TITLE | clipboard | clear-clipboard | resize TITLE W H | "
               "end-session TITLE yes|no | pixel X Y | automation TITLE\n",
               stderr);
    return 2;
}
