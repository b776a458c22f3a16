# Run by the build (cmake -P): writes HEADER, which names as PREFIX##Size the length in bytes and as
# PREFIX##Sha256 (a C string) the SHA-256 of the file MODULE, so that the program built with it loads
# that very module and no other.
file(SIZE "${MODULE}" size)
file(SHA256 "${MODULE}" digest)
get_filename_component(name "${MODULE}" NAME)
file(WRITE "${HEADER}" "// Made by the build from ${name}; remade whenever it is.\n#pragma once\n"
                       "inline constexpr long long ${PREFIX}Size = ${size};\n"
                       "inline constexpr char ${PREFIX}Sha256[] = \"${digest}\";\n")
