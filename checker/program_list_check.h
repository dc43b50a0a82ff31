#pragma once
// filelist.dat as the menu builds its tree from it, and the files each
// program's record names.

#include "checker/check_context.h"

namespace pandor::check {

void CheckProgramList(const CheckContext& context);

}  // namespace pandor::check
