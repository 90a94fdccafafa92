// The description text that the Description window shows: built into the
// program from resources/description.txt, byte for byte, CR line breaks and
// all.
#pragma once

#include <string_view>

namespace shell {

std::string_view DescriptionText();

}  // namespace shell
