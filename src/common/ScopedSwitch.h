#pragma once
// Turns a setting of an object on for the life of a scope and off again on
// every way out, errors included: the busy pointer during a long job, a stream
// engine's remembered pairs during one graph run.
namespace saltmark {

template <class Owner, void (Owner::*Set)(bool)>
class ScopedSwitch {
 public:
  explicit ScopedSwitch(Owner& owner) : owner_(owner) { (owner_.*Set)(true); }
  ~ScopedSwitch() { (owner_.*Set)(false); }
  ScopedSwitch(const ScopedSwitch&) = delete;
  ScopedSwitch& operator=(const ScopedSwitch&) = delete;

 private:
  Owner& owner_;
};

}  // namespace saltmark
