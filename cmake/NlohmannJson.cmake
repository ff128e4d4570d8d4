# nlohmann_json: Debian's header-only JSON library. The cross compiler must
# see that one folder only and never the rest of /usr/include, so the target
# points at a folder of the build that links to it.
set(DURNWICK_NLOHMANN_DIR /usr/include/nlohmann CACHE PATH "The folder that holds nlohmann/json.hpp")
if(NOT EXISTS ${DURNWICK_NLOHMANN_DIR}/json.hpp)
  message(FATAL_ERROR "nlohmann/json.hpp not found in ${DURNWICK_NLOHMANN_DIR}: run scripts/install-deps")
endif()
set(nlohmann_root ${CMAKE_BINARY_DIR}/nlohmann-include)
file(MAKE_DIRECTORY ${nlohmann_root})
file(CREATE_LINK ${DURNWICK_NLOHMANN_DIR} ${nlohmann_root}/nlohmann SYMBOLIC)
add_library(nlohmann_json INTERFACE)
target_include_directories(nlohmann_json SYSTEM INTERFACE ${nlohmann_root})
