#include "ResultJoining.h"

#include <initializer_list>
#include <string>

#include "Console.h"

namespace belta {
namespace {

// A quoted name ends at its closing quote, so it drops the field's trailing blanks; a name
// that needs no quotes keeps its whole 256-character field, as the command has always carried it.
std::string destinationInCommand(const Name& fileName)
{
    const std::string_view trimmed = fileName.trimmed();
    if (kit::needsQuotes(trimmed))
        return kit::commandName(trimmed);
    return std::string(fileName.view());
}

std::string joined(std::initializer_list<std::string_view> pieces)
{
    std::string text;
    for (std::string_view p : pieces)
        text.append(p);
    return text;
}

void reportResult(bool made, const Name& fullName, std::string_view fileName, const Name& Results_path,
                  std::string_view usedBy)
{
    if (made) {
        kit::console().line(" The file ", fullName.trimmed(), " has been created.");
        kit::console().line(usedBy);
    } else {
        kit::reportNotMade(fileName, Results_path.trimmed());
    }
}

// "COPY  IN_HDR.INP+ BODY1 + <trailer> <pair-data file>"
std::string pairDataCommand(const Name& BTT_NAME, const Name& INP_FIL)
{
    return joined({"COPY  ", kPairHeaderFile, "+ ", kBodyPairFile, " + ",
                   kit::commandName(BTT_NAME.trimmed()), " ", destinationInCommand(INP_FIL)});
}

// "COPY  IN_HDR.DAT+ BODY2 <scatter-input file>"
std::string scatterCommand(const Name& SCAT_FIL)
{
    return joined(
        {"COPY  ", kScatterHeaderFile, "+ ", kBodyScatterFile, " ", destinationInCommand(SCAT_FIL)});
}

} // namespace

ResultNames resultNames(const Name& Results_path, std::int32_t LOWLEV)
{
    const LevelFileNames byLevel = levelFileNames(LOWLEV);
    return {byLevel, joinName(Results_path, byLevel.INP_FIL), joinName(Results_path, byLevel.SCAT_FIL)};
}

std::vector<kit::PlannedCopy> resultCopies(const Name& BTT_NAME, const ResultNames& names)
{
    return {{pairDataCommand(BTT_NAME, names.INP_FIL),
             {std::string(kPairHeaderFile), std::string(kBodyPairFile), std::string(BTT_NAME.trimmed())},
             std::string(names.INP_FIL.trimmed())},
            {scatterCommand(names.SCAT_FIL),
             {std::string(kScatterHeaderFile), std::string(kBodyScatterFile)},
             std::string(names.SCAT_FIL.trimmed())}};
}

void reportResultFiles(const std::vector<bool>& made, const ResultNames& names, const Name& Results_path)
{
    auto& c = kit::console();
    c.line("");
    c.line("");
    reportResult(made[0], names.INP_FIL, names.byLevel.INP_FIL, Results_path,
                 " It can be used as input for HAVK and MORVANTE.");
    c.line("");
    c.line("");
    c.line("");
    reportResult(made[1], names.SCAT_FIL, names.byLevel.SCAT_FIL, Results_path,
                 " It can be used as input for TESSARY.");
    c.line("");
}

} // namespace belta
