#include "hardening/tests/FileAccessDenied.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>

namespace qorvane::testing {

namespace {

// The capabilities that override file permissions.
constexpr std::uint32_t kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

bool GetCaps(__user_cap_data_struct (&data)[2]) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  return syscall(SYS_capget, &header, data) == 0;
}

bool SetCaps(__user_cap_data_struct (&data)[2]) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};  // 0: this thread
  return syscall(SYS_capset, &header, data) == 0;
}

}  // namespace

FileAccessDenied::FileAccessDenied() {
  __user_cap_data_struct data[2]{};
  if (!GetCaps(data) || (data[0].effective & kOverrides) == 0) return;
  data[0].effective &= ~kOverrides;
  dropped_ = SetCaps(data);
}

FileAccessDenied::~FileAccessDenied() {
  if (!dropped_) return;
  __user_cap_data_struct data[2]{};
  if (!GetCaps(data)) return;
  data[0].effective |= kOverrides & data[0].permitted;
  SetCaps(data);
}

}  // namespace qorvane::testing
