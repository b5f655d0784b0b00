#include "SpokenNames.h"

#include <oleacc.h>

#include <atomic>
#include <map>

#include "Com.h"

namespace quillon::win32 {
namespace {

// A named control, and the window procedure it had before it was named, which still does the
// rest. Kept apart from the object that names it, and looked up by window: a window property,
// as the system's subclassing keeps, costs Wine a request to its server at every message.
struct NamedControl {
    SpokenNames* names;  // none once that object is gone
    WNDPROC earlier;
};

std::map<HWND, NamedControl>& NamedControls() {
    static std::map<HWND, NamedControl> controls;
    return controls;
}

// The system's accessibility functions, loaded when a screen reader first asks for a control:
// most runs have none, and each library loaded at start delays the window under Wine. Loaded,
// they stay for the life of the process, as the objects handed out may call into them.
struct AccessibilityFunctions {
    decltype(&CreateStdAccessibleObject) createStandardObject = nullptr;
    decltype(&LresultFromObject) resultFromObject = nullptr;
    decltype(&SysAllocString) allocateString = nullptr;
};

template <typename Function>
void Find(HMODULE library, const char* name, Function& function) {
    // Through the function type that casts to any other without a warning.
    function = library == nullptr ? nullptr
                                  : reinterpret_cast<Function>(reinterpret_cast<void (*)()>(
                                        GetProcAddress(library, name)));
}

const AccessibilityFunctions& Accessibility() {
    static const AccessibilityFunctions functions = [] {
        AccessibilityFunctions found;
        const HMODULE objects =
            LoadLibraryExW(L"oleacc.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        const HMODULE automation =
            LoadLibraryExW(L"oleaut32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        Find(objects, "CreateStdAccessibleObject", found.createStandardObject);
        Find(objects, "LresultFromObject", found.resultFromObject);
        Find(automation, "SysAllocString", found.allocateString);
        return found;
    }();
    return functions;
}

// The system's accessible object of a control with another name, and a description where it
// has one. Its other answers, the roles and the list's lines among them, are the system's.
class NamedAccessible final : public IAccessible {
  public:
    NamedAccessible(IAccessible* standard, std::wstring name, std::wstring description)
        : standard_(standard), name_(std::move(name)), description_(std::move(description)) {}
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return standard_->QueryInterface(id, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override {
        return standard_->Invoke(member, id, locale, flags, parameters, result, exception,
                                 argumentError);
    }

    // IAccessible: the name of the control itself is ours.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (child.vt == VT_I4 && child.lVal == CHILDID_SELF) {
            if (name == nullptr) {
                return E_POINTER;
            }
            *name = Accessibility().allocateString(name_.c_str());
            return *name != nullptr ? S_OK : E_OUTOFMEMORY;
        }
        return standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        if (child.vt == VT_I4 && child.lVal == CHILDID_SELF && !description_.empty()) {
            if (text == nullptr) {
                return E_POINTER;
            }
            *text = Accessibility().allocateString(description_.c_str());
            return *text != nullptr ? S_OK : E_OUTOFMEMORY;
        }
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long how, VARIANT child) override {
        return standard_->accSelect(how, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

  private:
    ~NamedAccessible() = default;  // only Release ends it

    ComHolder<IAccessible> standard_;
    std::wstring name_;
    std::wstring description_;
    std::atomic<ULONG> references_{1};
};

}  // namespace

SpokenNames::~SpokenNames() {
    // A control that outlives this object keeps its earlier procedure behind ours, whatever
    // has been put in front of it since.
    for (const auto& named : names_) {
        if (const auto found = NamedControls().find(named.first); found != NamedControls().end()) {
            found->second.names = nullptr;
        }
    }
}

void SpokenNames::Name(HWND control, const std::wstring& name) {
    if (names_.count(control) == 0) {
        NamedControls()[control] = {
            this, reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC))};
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc));
    }
    names_[control].name = name;
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void SpokenNames::Describe(HWND control, const std::wstring& description) {
    names_.at(control).description = description;
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

LRESULT CALLBACK SpokenNames::ControlProc(HWND control, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
    const auto found = NamedControls().find(control);
    if (found == NamedControls().end()) {  // cannot be: only a named control has this procedure
        return DefWindowProcW(control, message, wParam, lParam);
    }
    const WNDPROC earlier = found->second.earlier;
    SpokenNames* names = found->second.names;
    if (message == WM_GETOBJECT && static_cast<long>(lParam) == OBJID_CLIENT && names != nullptr) {
        const AccessibilityFunctions& functions = Accessibility();
        void* standard = nullptr;
        if (functions.createStandardObject != nullptr && functions.resultFromObject != nullptr &&
            functions.allocateString != nullptr &&
            SUCCEEDED(functions.createStandardObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                                     &standard))) {
            const Spoken& spoken = names->names_[control];
            auto* named = new NamedAccessible(static_cast<IAccessible*>(standard), spoken.name,
                                              spoken.description);
            const LRESULT result = functions.resultFromObject(__uuidof(IAccessible), wParam, named);
            named->Release();
            return result;
        }
    } else if (message == WM_NCDESTROY) {  // the last message of the window
        NamedControls().erase(found);
        if (names != nullptr) {
            names->names_.erase(control);
        }
    }
    return CallWindowProcW(earlier, control, message, wParam, lParam);
}

}  // namespace quillon::win32
