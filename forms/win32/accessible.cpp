#include "forms/win32/accessible.h"

#include <commctrl.h>
#include <oleacc.h>

#include <optional>
#include <string>

#include "forms/accessibility.h"
#include "forms/win32/wide_text.h"

namespace forms::win32 {
namespace {

// What the system's accessibility library gives us, loaded on first use.
struct Oleacc {
    decltype(&CreateStdAccessibleObject) make_standard = nullptr;
    decltype(&LresultFromObject) answer = nullptr;
    decltype(&SysAllocStringLen) alloc_string = nullptr;
    bool ready() const { return make_standard != nullptr && answer != nullptr && alloc_string != nullptr; }
};
template <typename F>
F procedure(HMODULE module, const char* name) {
    return module == nullptr ? nullptr : reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
const Oleacc& oleacc() {
    static const Oleacc loaded = [] {
        Oleacc o;
        HMODULE acc = LoadLibraryExW(L"oleacc.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        HMODULE aut = LoadLibraryExW(L"oleaut32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        o.make_standard = procedure<decltype(o.make_standard)>(acc, "CreateStdAccessibleObject");
        o.answer = procedure<decltype(o.answer)>(acc, "LresultFromObject");
        o.alloc_string = procedure<decltype(o.alloc_string)>(aut, "SysAllocStringLen");
        return o;
    }();
    return loaded;
}

long system_role(Role role) {
    switch (role) {
        case Role::Window: return ROLE_SYSTEM_CLIENT;
        case Role::Link: return ROLE_SYSTEM_LINK;
        case Role::StaticText: return ROLE_SYSTEM_STATICTEXT;
        case Role::Graphic: return ROLE_SYSTEM_GRAPHIC;
        case Role::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
        case Role::ComboBox: return ROLE_SYSTEM_COMBOBOX;
        case Role::EditableText: return ROLE_SYSTEM_TEXT;
        case Role::Group: return ROLE_SYSTEM_GROUPING;
        case Role::PageTabList: return ROLE_SYSTEM_PAGETABLIST;
        case Role::ProgressBar: return ROLE_SYSTEM_PROGRESSBAR;
        case Role::Pane: return ROLE_SYSTEM_PANE;
    }
    return ROLE_SYSTEM_CLIENT;
}

// The control's accessible object: the system's standard object for its
// window (place, state, parent and children), with the name, description
// and role from the table, and for the controls the program answers for
// the value and the action too. A top-level window's frame (OBJID_WINDOW)
// keeps the system's role and takes only the name.
class ControlAccessible final : public IAccessible {
public:
    ControlAccessible(IAccessible* standard, HWND handle, WindowId window, ControlId control, bool ours, bool frame)
        : standard_(standard),
          handle_(handle),
          window_(window),
          control_(control),
          our_kind_(ours && !frame),
          frame_(frame) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return ULONG(left);
    }
    // IDispatch: readers use the vtable.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return n ? (*n = 0, S_OK) : E_POINTER; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible: the control itself from the table, its children from the system.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        if (!self(child)) return standard_->get_accName(child, out);
        const auto now = info();
        if (!now || now->name.empty()) return standard_->get_accName(child, out);
        return text(now->name, out);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        const auto now = info();
        if (!self(child) || !now || frame_) return standard_->get_accRole(child, out);
        out->vt = VT_I4;
        out->lVal = system_role(now->role);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        const auto now = info();
        // A list's current item from the table too: not every oleacc reads it.
        const bool ours = our_kind_ || (now && now->role == Role::ComboBox && !frame_);
        if (!self(child) || !now || !ours) return standard_->get_accValue(child, out);
        return text(now->value, out);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        const HRESULT hr = standard_->get_accState(child, out);
        const auto now = info();
        if (SUCCEEDED(hr) && self(child) && now && now->role == Role::Link && out->vt == VT_I4)
            out->lVal |= STATE_SYSTEM_LINKED;
        return hr;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        const auto now = info();
        if (!self(child) || !now || !our_kind_) return standard_->get_accDefaultAction(child, out);
        return text(now->action == Action::Press ? Text("打开") : Text(), out);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!self(child) || !our_kind_) return standard_->accDoDefaultAction(child);
        const auto now = info();
        if (!now || now->action != Action::Press) return DISP_E_MEMBERNOTFOUND;
        // Later, from the message loop, as a press of the mouse comes.
        return PostMessageW(handle_, action_message, 0, 0) ? S_OK : E_FAIL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override { return standard_->get_accParent(out); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* out) override { return standard_->get_accChildCount(out); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT c, IDispatch** out) override {
        return standard_->get_accChild(c, out);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT c, BSTR* out) override {
        const auto now = info();
        if (!self(c) || !now || now->description.empty()) return standard_->get_accDescription(c, out);
        return text(now->description, out);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT c, BSTR* out) override { return standard_->get_accHelp(c, out); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* f, VARIANT c, long* t) override {
        return standard_->get_accHelpTopic(f, c, t);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT c, BSTR* out) override {
        return standard_->get_accKeyboardShortcut(c, out);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override { return standard_->get_accFocus(out); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override { return standard_->get_accSelection(out); }
    HRESULT STDMETHODCALLTYPE accSelect(long how, VARIANT c) override { return standard_->accSelect(how, c); }
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT c) override {
        return standard_->accLocation(x, y, w, h, c);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long dir, VARIANT start, VARIANT* out) override {
        return standard_->accNavigate(dir, start, out);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
        return standard_->accHitTest(x, y, out);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

    // Posted to the control by accDoDefaultAction.
    static constexpr UINT action_message = WM_APP + 0x2A1;

private:
    ~ControlAccessible() { standard_->Release(); }
    static bool self(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
    std::optional<AccessibleInfo> info() const {
        const LoadedWindow* w = find_loaded(window_);
        const ControlState* c = w != nullptr ? w->find(control_) : nullptr;
        if (c == nullptr) return std::nullopt;
        return accessible_of(*w, *c);
    }
    static HRESULT text(const Text& gbk, BSTR* out) {
        if (out == nullptr) return E_POINTER;
        const std::wstring w = wide(gbk);
        *out = w.empty() ? nullptr : oleacc().alloc_string(w.c_str(), UINT(w.size()));
        return w.empty() ? S_FALSE : (*out ? S_OK : E_OUTOFMEMORY);
    }
    IAccessible* standard_;
    HWND handle_;
    WindowId window_;
    ControlId control_;
    bool our_kind_;
    bool frame_;
    LONG references_ = 1;
};

struct Owner {
    WindowId window;
    ControlId control;
    bool ours;       // the program answers for it (forms::Served::Own)
    bool top_level;  // a window, whose frame readers name too
};

LRESULT CALLBACK reader_proc(HWND w, UINT message, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data) {
    const Owner* owner = reinterpret_cast<const Owner*>(data);
    switch (message) {
        case WM_NCDESTROY:
            RemoveWindowSubclass(w, reader_proc, id);
            delete owner;
            break;
        case ControlAccessible::action_message: do_default_action(owner->window, owner->control); return 0;
        case WM_GETOBJECT: {
            const LONG asked = LONG(lp);
            const bool frame = asked == OBJID_WINDOW && owner->top_level;
            if ((asked != OBJID_CLIENT && !frame) || !oleacc().ready()) break;
            IAccessible* standard = nullptr;
            if (FAILED(oleacc().make_standard(w, asked, __uuidof(IAccessible), reinterpret_cast<void**>(&standard))))
                break;
            auto* object = new ControlAccessible(standard, w, owner->window, owner->control, owner->ours, frame);
            const LRESULT answer = oleacc().answer(__uuidof(IAccessible), wp, object);
            object->Release();
            return answer;
        }
    }
    return DefSubclassProc(w, message, wp, lp);
}

}  // namespace

void serve_screen_readers(HWND control, const ControlState& c, WindowId window) {
    const Served by = served(c);
    if (by == Served::Nothing) return;
    const Owner owner{window, c.id, by == Served::Own, c.kind == Kind::Window};
    SetWindowSubclass(control, reader_proc, 0, DWORD_PTR(new Owner(owner)));
}

}  // namespace forms::win32
