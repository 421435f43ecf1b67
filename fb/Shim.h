#pragma once

// The one header of the project that includes the Firebird object API.
// Only sources of this folder include it.

#include <firebird/Interface.h>

#include <string_view>
#include <utility>

#include "fb/Error.h"

namespace fb::detail {

Firebird::IMaster* master();
Firebird::IUtil* util();
// The process-wide dispatcher; released by fb::shutdown().
Firebird::IProvider* provider();

// Turns the status of a failed call into fb::Error.
[[noreturn]] void raise(Firebird::IStatus* status);

// Owns one IStatus for the duration of a call.
class Status {
public:
  Status() : status_(master()->getStatus()), wrapper_(status_) {}
  ~Status() { status_->dispose(); }
  Status(const Status&) = delete;
  Status& operator=(const Status&) = delete;

  Firebird::ThrowStatusWrapper* operator->() { return &wrapper_; }
  Firebird::ThrowStatusWrapper* get() { return &wrapper_; }

private:
  Firebird::IStatus* status_;
  Firebird::ThrowStatusWrapper wrapper_;
};

// Runs `f` with a fresh status wrapper; a Firebird error becomes fb::Error.
template <class F>
decltype(auto) call(F&& f) {
  Status status;
  try {
    return std::forward<F>(f)(status.get());
  } catch (const Firebird::FbException& e) {
    raise(e.getStatus());
  }
}

// Releases a reference-counted interface when the guard goes away.
template <class T>
class Ref {
public:
  Ref() = default;
  explicit Ref(T* p) : p_(p) {}
  ~Ref() { reset(); }
  Ref(Ref&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  Ref& operator=(Ref&& o) noexcept {
    if (this != &o) {
      reset();
      p_ = std::exchange(o.p_, nullptr);
    }
    return *this;
  }
  Ref(const Ref&) = delete;
  Ref& operator=(const Ref&) = delete;

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // Gives up ownership, for calls that release the interface on success.
  T* release() { return std::exchange(p_, nullptr); }
  void reset() {
    if (p_) std::exchange(p_, nullptr)->release();
  }

private:
  T* p_ = nullptr;
};

// Disposes an XPB builder when the guard goes away.
class Xpb {
public:
  explicit Xpb(unsigned kind);
  ~Xpb() { builder_->dispose(); }
  Xpb(const Xpb&) = delete;
  Xpb& operator=(const Xpb&) = delete;

  Firebird::IXpbBuilder* operator->() { return builder_; }
  unsigned length();
  const unsigned char* buffer();

private:
  Firebird::IXpbBuilder* builder_;
};

}  // namespace fb::detail
