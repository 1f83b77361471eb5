#pragma once
#include "cli/Arguments.h"
#include "cli/CliContext.h"

namespace qorvane::cli {

// The bodies of the commands; CommandTable.cpp names them and holds their help.
int RunCal(const Arguments& arguments, CliContext& context);
int RunLunar(const Arguments& arguments, CliContext& context);
int RunNumber(const Arguments& arguments, CliContext& context);
int RunQq(const Arguments& arguments, CliContext& context);
int RunPhone(const Arguments& arguments, CliContext& context);
int RunNetName(const Arguments& arguments, CliContext& context);
int RunPinyin(const Arguments& arguments, CliContext& context);
int RunSign(const Arguments& arguments, CliContext& context);

}  // namespace qorvane::cli
