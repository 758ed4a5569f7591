#pragma once

// Fault injection for the file helpers, used by tests of code that must survive failing disks.
// Tests run as root, where permission bits cannot make a file undeletable or uncopyable.
namespace orbfilefaults {

enum class Op { Copy, Delete };

// Makes the next `count` calls of op fail without touching the disk.
void failNext(Op op, int count = 1);
// Clears every pending fault.
void reset();

} // namespace orbfilefaults
