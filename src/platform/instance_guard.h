#pragma once

namespace velocarta {

// Keeps a second copy of the program from running at the same time.
class InstanceGuard {
  public:
    virtual ~InstanceGuard() = default;
    // True when this process is now the only instance (a lock left by a process that has
    // died is taken over); false when another running instance holds it.
    virtual bool acquire() = 0;
};

}  // namespace velocarta
