#pragma once

#include <string_view>

namespace vistrel {

// Contents of the data files in data/models/, compiled in by cmake/EmbedTextFiles.cmake.
std::string_view firstNameTableFile();
std::string_view secondNameTableFile();
std::string_view thirdNameTableFile();
std::string_view setupModelNamesFile();
std::string_view longPasswordModelsFile();

} // namespace vistrel
