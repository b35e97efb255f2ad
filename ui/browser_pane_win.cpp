// The browser pane 浏览器: the WebBrowser control hosted in a window of ours
// through a minimal OLE site, and the two page operations the actions use.
#include "ui/app_win.h"
#include "ui/seam.h"

#include <exdisp.h>
#include <ole2.h>
#include <oleauto.h>
#include <wrl/client.h>

using Microsoft::WRL::ComPtr;

namespace {
constexpr long ZOOM_MEDIUM = 2; // text size "中等", clamped 0..4 by the control

// The control's container: one object answers as client site, in-place site and
// in-place frame, which is all an in-place activated WebBrowser asks for.
class BrowserSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
  public:
    explicit BrowserSite(HWND pane) : pane_(pane) {}

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite)
            *object = static_cast<IOleClientSite*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
            *object = static_cast<IOleInPlaceSite*>(this);
        else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
            *object = static_cast<IOleInPlaceFrame*>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++references_); }
    STDMETHODIMP_(ULONG) Release() override {
        const long left = --references_;
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** container) override {
        *container = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (shared by the in-place site and the frame)
    STDMETHODIMP GetWindow(HWND* window) override {
        *window = pane_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                  RECT* position, RECT* clip,
                                  OLEINPLACEFRAMEINFO* frame_info) override {
        *frame = this;
        AddRef();
        *document = nullptr;
        GetClientRect(pane_, position);
        GetClientRect(pane_, clip);
        frame_info->fMDIApp = FALSE;
        frame_info->hwndFrame = GetAncestor(pane_, GA_ROOT);
        frame_info->haccel = nullptr;
        frame_info->cAccelEntries = 0;
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow
    STDMETHODIMP GetBorder(LPRECT) override { return E_NOTIMPL; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }

    // IOleInPlaceFrame
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

  private:
    ~BrowserSite() = default;
    HWND pane_;
    long references_ = 1;
};

// The one pane of the program; all three are empty before and after its life.
ComPtr<BrowserSite> site;
ComPtr<IOleObject> control;
ComPtr<IWebBrowser2> browser;

void release_browser() {
    browser.Reset();
    if (control) {
        control->Close(OLECLOSE_NOSAVE);
        control->SetClientSite(nullptr);
    }
    control.Reset();
    site.Reset();
}

HWND control_window_of_pane() {
    ComPtr<IOleInPlaceObject> in_place;
    HWND window = nullptr;
    if (control && SUCCEEDED(control.As(&in_place))) in_place->GetWindow(&window);
    return window;
}

void fill_pane(HWND pane) {
    ComPtr<IOleInPlaceObject> in_place;
    if (!control || FAILED(control.As(&in_place))) return;
    RECT area;
    GetClientRect(pane, &area);
    in_place->SetObjectRects(&area, &area);
}

LRESULT CALLBACK pane_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_SIZE:
        fill_pane(window);
        return 0;
    case WM_SETFOCUS:
        if (const HWND page = control_window_of_pane()) SetFocus(page);
        return 0;
    case WM_DESTROY:
        release_browser();
        return 0;
    default:
        return DefWindowProcW(window, message, wparam, lparam);
    }
}

VARIANT null_string_variant() {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = nullptr;
    return value;
}
} // namespace

bool register_browser_pane_class(HINSTANCE instance) {
    return register_window_class(instance, BROWSER_PANE_CLASS, pane_proc, 0,
                                 static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

bool attach_browser(HWND pane) {
    site.Attach(new BrowserSite(pane));
    RECT area;
    GetClientRect(pane, &area);
    const bool attached =
        SUCCEEDED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&control))) &&
        SUCCEEDED(control->SetClientSite(site.Get())) &&
        SUCCEEDED(control->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.Get(), 0, pane, &area)) &&
        SUCCEEDED(control.As(&browser));
    if (!attached) {
        release_browser();
        return false;
    }
    // Results not looked at: a control that ignores a setting still browses.
    browser->put_Offline(VARIANT_FALSE);
    browser->put_Silent(VARIANT_FALSE);
    VARIANT zoom;
    VariantInit(&zoom);
    zoom.vt = VT_I4;
    zoom.lVal = ZOOM_MEDIUM;
    browser->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &zoom, nullptr);
    return true;
}

bool browser_translate_key(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !control) return false;
    const HWND pane = control_window(Control::browser);
    if (message.hwnd != pane && !IsChild(pane, message.hwnd)) return false;
    ComPtr<IOleInPlaceActiveObject> active;
    return SUCCEEDED(control.As(&active)) && active->TranslateAccelerator(&message) == S_OK;
}

// Hands the text over as it is and returns at once; the control loads the page
// while the message loop runs.
void browser_navigate(std::string_view url) {
    if (!browser) return;
    const std::wstring wide = to_wide(url);
    BSTR address = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    VARIANT flags;
    VariantInit(&flags);
    flags.vt = VT_I4;
    flags.lVal = 0;
    VARIANT target = null_string_variant();
    VARIANT post_data;
    VariantInit(&post_data);
    VARIANT headers = null_string_variant();
    browser->Navigate(address, &flags, &target, &post_data, &headers);
    SysFreeString(address);
}

void browser_refresh() {
    if (browser) browser->Refresh();
}
