#pragma once
// The small wrappers of system services that all three programs share, in one include.

#include "Administrator.h"
#include "MyDocuments.h"
#include "ShellRun.h"
#include "framework/MessageBox.h"
#include "framework/ModulePath.h"
