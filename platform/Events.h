// Event slots of controls and forms: a handler bound to an object and its member function,
// so the design's wiring can be read back and compared, or any callable for tests.
#pragma once

#include <cstring>
#include <functional>
#include <string>

template <class... Args>
class TEvent {
public:
    TEvent() = default;

    template <class C>
    TEvent(C* object, void (C::*method)(Args...))
        : call_([object, method](Args... args) { (object->*method)(args...); }),
          object_(object), method_(MethodKey(method)) {}

    template <class F>
        requires std::is_invocable_v<F, Args...> && (!std::is_same_v<std::decay_t<F>, TEvent>)
    TEvent(F function) : call_(std::move(function)) {}

    explicit operator bool() const { return static_cast<bool>(call_); }
    void operator()(Args... args) const { call_(args...); }

    // Equal when both are bound to the same member function of the same object.
    bool operator==(const TEvent& other) const {
        return object_ != nullptr && object_ == other.object_ && method_ == other.method_;
    }

private:
    template <class M>
    static std::string MethodKey(M method) {
        std::string key(sizeof method, '\0');
        std::memcpy(key.data(), &method, sizeof method);
        return key;
    }

    std::function<void(Args...)> call_;
    const void* object_ = nullptr;
    std::string method_;
};

using TNotifyEvent = TEvent<>;
using TCloseQueryEvent = TEvent<bool&>;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = TEvent<TCloseAction&>;
