#pragma once
#include <optional>
#include <vector>

#include "controls/buttons/model/bag_text.h"

// The bags of a form's buttons, compiled into the program as a raw-data
// resource in their text form (UTF-8). Nothing when the resource is missing
// or any line of it is malformed.
std::optional<std::vector<NamedBag>> LoadBagResource(int id);
