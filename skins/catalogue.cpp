// The skin catalogue: row n is skin number n (row 0 is no skin). The bytes
// are the files assets/skins/skin_NN.she, carried inside the program.
#include "skins/catalogue.h"

#include <array>

#include "skin_files.h"

namespace {

const std::array<const ByteSet*, last_skin + 1> skins = {
    nullptr,
    &skin_files::skin_01,
    &skin_files::skin_02,
    &skin_files::skin_03,
    &skin_files::skin_04,
    &skin_files::skin_05,
    &skin_files::skin_06,
    &skin_files::skin_07,
    &skin_files::skin_08,
    &skin_files::skin_09,
    &skin_files::skin_10,
    &skin_files::skin_11,
    &skin_files::skin_12,
    &skin_files::skin_13,
    &skin_files::skin_14,
    &skin_files::skin_15,
    &skin_files::skin_16,
    &skin_files::skin_17,
    &skin_files::skin_18,
    &skin_files::skin_19,
    &skin_files::skin_20,
    &skin_files::skin_21,
    &skin_files::skin_22,
    &skin_files::skin_23,
    &skin_files::skin_24,
    &skin_files::skin_25,
    &skin_files::skin_26,
    &skin_files::skin_27,
    &skin_files::skin_28,
    &skin_files::skin_29,
    &skin_files::skin_30,
    &skin_files::skin_31,
    &skin_files::skin_32,
    &skin_files::skin_33,
    &skin_files::skin_34,
    &skin_files::skin_35,
    &skin_files::skin_36,
    &skin_files::skin_37,
    &skin_files::skin_38,
    &skin_files::skin_39,
    &skin_files::skin_40,
    &skin_files::skin_41,
    &skin_files::skin_42,
    &skin_files::skin_43,
    &skin_files::skin_44,
    &skin_files::skin_45,
    &skin_files::skin_46,
    &skin_files::skin_47,
    &skin_files::skin_48,
    &skin_files::skin_49,
    &skin_files::skin_50,
    &skin_files::skin_51,
    &skin_files::skin_52,
    &skin_files::skin_53,
    &skin_files::skin_54,
    &skin_files::skin_55,
    &skin_files::skin_56,
    &skin_files::skin_57,
    &skin_files::skin_58,
};

}  // namespace

ByteSet catalogue_skin(std::int32_t number) {
    if (number < first_skin || number > last_skin) return {};
    return *skins[static_cast<std::size_t>(number)];
}
