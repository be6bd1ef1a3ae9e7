// Writing a file whole: the text goes to PATH.part first and replaces the file at PATH only once
// it is complete, so that a failed write never leaves half a file where a good one was.
//
// A PATH that is no plain file (a device such as /dev/null or /dev/stdout, a named pipe, a
// symbolic link) is written straight through: a file put in its place would destroy the device,
// the pipe or the link.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace chainadj {

// True for a PATH that is there and is no plain file (a device, a named pipe, a symbolic link):
// it is written straight through. Every writer of a results file asks this.
bool isWrittenStraightThrough(const std::string& path);

// Writes the file through `write`, in large blocks; throws ChainError with `cannotWrite` when it
// cannot be written (the partial file is removed and a file already at `path` is kept).
void writeWholeFile(const std::string& path, const std::string& cannotWrite,
                    const std::function<void(std::ostream&)>& write);

// The same for a file that a library writes itself, given its name: `writeNamed` writes the file
// it is given and says whether it could. A plain file is written as PATH.part and renamed; a PATH
// written straight through gets the file by way of a temporary file of its own.
void writeWholeFileByName(const std::string& path, const std::string& cannotWrite,
                          const std::function<bool(const std::string& name)>& writeNamed);

}  // namespace chainadj
