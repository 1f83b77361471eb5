#pragma once

namespace qorvane {

// The maker's contact data, shown in the about and customer-service windows
// and used by the mail and chat links. All addresses lie under reserved
// example domains.
inline constexpr char kContactPerson[] = "秦先生";
inline constexpr char kSupportQq[] = "800012345";
inline constexpr char kServiceTelephone[] = "020-5550-0123";
inline constexpr char kSupportMail[] = "kf@qorvane.example";

}  // namespace qorvane
