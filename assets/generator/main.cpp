// Writes the suite's sounds and tune into the folder named on the command line.
#include "Sounds.h"
#include "Tune.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    for (const NamedSound& sound : makeSounds()) {
        if (!writeWav(folder + "/" + sound.fileName, sound.samples)) {
            std::fprintf(stderr, "cannot write %s\n", sound.fileName.c_str());
            return 1;
        }
    }
    if (!writeTune(folder + "/Corvanta.MID")) {
        std::fprintf(stderr, "cannot write Corvanta.MID\n");
        return 1;
    }
    return 0;
}
