#include "RunNames.h"

#include <array>

namespace belta {

Name joinName(const Name& folder, std::string_view fileName)
{
    return kit::joinText<256>({folder.trimmed(), "\\", kit::trimRight(fileName)});
}

void RunNames::build()
{
    Results_file = joinName(Results_path, Results_filename.view());
    MASTNAME = joinName(Master_path, "MASTER.IND");
    BTT_NAME = kit::joinText<256>({Master_path.trimmed(), "\\IND.BTT"});
}

std::string RunNames::trailerShown() const
{
    return std::string(Master_path.trimmed()) + "\\IND.BTT";
}

LevelFileNames levelFileNames(std::int32_t LOWLEV)
{
    static constexpr std::array<LevelFileNames, 4> kByLevel{{
        {"IN0.INP", "IN0.DAT"},
        {"IN1.INP", "INSCAT1.DAT"},
        {"IN2.INP", "INSCAT2.DAT"},
        {"IN3.INP", "INSCAT3.DAT"},
    }};
    return kByLevel.at(static_cast<std::size_t>(LOWLEV));
}

} // namespace belta
