// The skin catalogue: skin n is the n-th skin file that assets/CMakeLists.txt
// embeds, assets/skins/skin_NN.she, carried inside the program.
#include "skins/catalogue.h"

#include <iterator>

#include "skin_files.h"

static_assert(std::size(skin_files::by_number) == last_skin - first_skin + 1,
              "assets/CMakeLists.txt embeds one file for every skin number");

ByteSet catalogue_skin(std::int32_t number) {
    if (number < first_skin || number > last_skin) return {};
    return *skin_files::by_number[number - first_skin];
}
