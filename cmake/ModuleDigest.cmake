# Run by the build (cmake -P): writes HEADER, which names as the C string VARIABLE the SHA-256 of the
# file MODULE, so that the program built with it loads that very module and no other.
file(SHA256 "${MODULE}" digest)
get_filename_component(name "${MODULE}" NAME)
file(WRITE "${HEADER}" "// Made by the build from ${name}; remade whenever it is.\n#pragma once\n"
                       "inline constexpr char ${VARIABLE}[] = \"${digest}\";\n")
