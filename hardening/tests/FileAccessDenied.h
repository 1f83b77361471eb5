#pragma once

namespace qorvane::testing {

// While alive, file permissions bind this thread even when the tests run as
// root (as they do in CI): the capabilities that let root read and write any
// file leave the thread's effective set, and come back at the end. Without
// root the permissions bind anyway and nothing changes. Note that access(2)
// still answers for root's permitted set, so code that asks before it opens
// is not covered; what counts is that open and create fail.
class FileAccessDenied {
 public:
  FileAccessDenied();
  ~FileAccessDenied();
  FileAccessDenied(const FileAccessDenied&) = delete;
  FileAccessDenied& operator=(const FileAccessDenied&) = delete;

 private:
  bool dropped_ = false;
};

}  // namespace qorvane::testing
