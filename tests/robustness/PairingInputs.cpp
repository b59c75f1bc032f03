#include "PairingInputs.h"

#include <utility>

namespace robust {

PairingInputs PairingInputs::withSettings(std::string text) const
{
    PairingInputs in = *this;
    in.settings = std::move(text);
    return in;
}

PairingInputs PairingInputs::withModel(std::string text) const
{
    PairingInputs in = *this;
    in.model = std::move(text);
    return in;
}

PairingInputs PairingInputs::withObservations(std::string text) const
{
    PairingInputs in = *this;
    in.observations = std::move(text);
    return in;
}

PairingInputs PairingInputs::withoutObservations() const
{
    PairingInputs in = *this;
    in.observations.reset();
    return in;
}

PairingInputs PairingInputs::withoutTrailer() const
{
    PairingInputs in = *this;
    in.trailer.reset();
    return in;
}

SetUp files(PairingInputs inputs)
{
    return [in = std::move(inputs)](SweepFolder& f) {
        const auto writeIfPresent = [&f](const std::string& name, const std::optional<std::string>& text) {
            if (text)
                f.write(name, *text);
        };
        writeIfPresent(in.settingsName, in.settings);
        writeIfPresent(in.modelName, in.model);
        writeIfPresent(in.observationsName, in.observations);
        writeIfPresent(in.trailerName, in.trailer);
    };
}

std::vector<SweepCase> rowsOfEveryPairingProgram(const PairingInputs& inputs, const std::string& answers)
{
    const char* const notFound = "cannot be found.";
    return {
        ends("GoodInputsComplete", files(inputs), answers, "Number of data records: "),
        ends(
            "NoSettingsFile", [](SweepFolder&) {}, answers, notFound),
        ends(
            "SettingsFileIsAFolder", [inputs](SweepFolder& f) { f.makeFolder(inputs.settingsName); }, answers,
            notFound),
        unreadable(ends(
            "SettingsUnreadable",
            [inputs](SweepFolder& f) { f.writeUnreadable(inputs.settingsName, *inputs.settings); }, answers,
            notFound)),
        unreadable(ends(
            "ModelUnreadable",
            [inputs](SweepFolder& f) {
                files(inputs)(f);
                f.writeUnreadable(inputs.modelName, *inputs.model);
            },
            answers, "cannot be opened.")),
        ends(
            "ObservationsAreAFolder",
            [inputs](SweepFolder& f) {
                files(inputs.withoutObservations())(f);
                f.makeFolder(inputs.observationsName);
            },
            answers, " Error opening file "),
        fails("EmptyModelFile", files(inputs.withModel("")), answers),
        fails("EmptyObservationFile", files(inputs.withObservations("")), answers),
        // Nothing may be read from an input file in place of the answer.
        withoutStandardInput(fails("NoStandardInputAtAll", files(inputs), std::nullopt, "standard input")),
    };
}

} // namespace robust
