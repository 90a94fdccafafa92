// The four pictures of the calculator and About windows, each read from the bundle's resource
// folder on first use and kept for the life of the process; nil while none could be read.
#pragma once

#include "framework/files.h"
#include "framework/object.h"

fw::Ref<fw::Picture> ToolBadgeSmall();
fw::Ref<fw::Picture> Quest35();
fw::Ref<fw::Picture> NormalSmall();
fw::Ref<fw::Picture> Zelvoratitle200();
