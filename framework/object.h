// Objects: shared ownership, the nil-object exception, checked casts, and the
// class records that describe each class to the framework.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace fw {

// Every framework and program object is held by shared references: a
// reference is taken when a value is stored and released when it goes out of
// scope, so nothing is freed by hand.
class Object : public std::enable_shared_from_this<Object> {
 public:
  virtual ~Object() = default;
};

template <class T>
using Ref = std::shared_ptr<T>;

class NilObjectException : public std::runtime_error {
 public:
  NilObjectException() : std::runtime_error("A missing object was used.") {}
  explicit NilObjectException(const std::string& what) : std::runtime_error(what) {}
};

class IllegalCastException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Returns the reference unchanged, or raises NilObjectException when it is nil.
template <class T>
const Ref<T>& NotNil(const Ref<T>& ref) {
  if (!ref) throw NilObjectException();
  return ref;
}

// Cast tested at run time: nil stays nil; an object of another class raises
// IllegalCastException.
template <class T, class U>
Ref<T> CheckedCast(const Ref<U>& ref) {
  if (!ref) return nullptr;
  auto cast = std::dynamic_pointer_cast<T>(ref);
  if (!cast) throw IllegalCastException("Object is not of the requested class.");
  return cast;
}

// Cast that gives nil for an object of another class.
template <class T, class U>
Ref<T> TryCast(const Ref<U>& ref) {
  return std::dynamic_pointer_cast<T>(ref);
}

// --- Class records -------------------------------------------------------

struct Attribute {
  std::string name;
  std::string value;  // empty for a flag such as "Hidden"
};

struct Operation {
  std::string name;
  std::string signature;  // e.g. "( String ) as Boolean", "(  )"
  std::vector<Attribute> attributes;
};

struct EventBinding {
  std::string event;    // e.g. "Open", "KeyDown"
  std::string handler;  // the operation that handles it
};

struct ClassRecord {
  std::string fullName;               // e.g. "ControlWnd.ControlWnd"
  std::string base;                   // full name of the base class, empty for none
  std::vector<Operation> operations;  // own operations, in order
  std::vector<EventBinding> events;   // events the class handles
  std::vector<Attribute> attributes;  // of the class itself
};

// An operation published as public, as every operation of the program is.
inline Operation PublicOperation(std::string name, std::string signature) {
  return {std::move(name), std::move(signature), {{"__Scope", "Public"}}};
}

// Public, and left out of the framework's listings of the class's members.
inline Operation HiddenOperation(std::string name, std::string signature) {
  return {std::move(name), std::move(signature), {{"__Scope", "Public"}, {"Hidden", ""}}};
}

// Registers a record once and returns the stored one; registering a name that
// exists already returns the existing record unchanged.
const ClassRecord& RegisterClass(ClassRecord record);

// The record of that full name, or nullptr.
const ClassRecord* FindClass(const std::string& fullName);

// Full names in the order the records were built.
std::vector<std::string> RegisteredClassNames();

// Builds the framework's own class records (idempotent).
void InitializeFrameworkClasses();

// Forgets every record; for tests only.
void ResetClassRegistryForTests();

}  // namespace fw
