#include "model/InequalitySampler.h"

#include "model/InequalityText.h"

namespace {

// A condition with its expressions compiled for x and y.
struct CompiledChain {
    std::vector<ExpressionProgram> programs;
    std::vector<Comparison> comparisons;
};

} // namespace

void InequalitySampler::SampleInequality(PlotBuffer& buffer) {
    buffer.kind = kInequalityPlot;
    const std::vector<InequalityChain> conditions = ReadInequalityGroup(FieldText(buffer.inequality.text));
    if (conditions.empty())
        return;
    std::vector<CompiledChain> chains;
    for (const InequalityChain& condition : conditions) {
        CompiledChain& chain = chains.emplace_back();
        for (const std::string& expression : condition.expressions)
            chain.programs.push_back(Compile(expression, "xy"));
        chain.comparisons = condition.comparisons;
    }
    InequalityRegion& region = buffer.region;
    region = RegionGrid(buffer.inequality);
    std::vector<double> values;
    for (int j = 0; j < region.size; ++j) {
        const double y = region.Y(j);
        for (int i = 0; i < region.size; ++i) {
            // x is replaced first, then y, each by its value text.
            const double point[2] = {region.X(i), y};
            bool inside = true;
            for (CompiledChain& chain : chains) {
                values.resize(chain.programs.size());
                for (std::size_t k = 0; inside && k < chain.programs.size(); ++k)
                    inside = Evaluate(chain.programs[k], point, values[k]) == Outcome::kSucceeded &&
                             (k == 0 || Holds(chain.comparisons[k - 1], values[k - 1], values[k]));
                if (!inside)
                    break;
            }
            region.inside[static_cast<std::size_t>(j) * region.size + i] = inside ? 1 : 0;
        }
    }
}
