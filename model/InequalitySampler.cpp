#include "model/InequalitySampler.h"

#include "expr/ExpressionText.h"
#include "expr/NumberText.h"
#include "model/InequalityText.h"

#include <cstring>

namespace {

// The value of an expression at a point: x is replaced first, then y, each by its value text.
bool EvaluateAt(ExpressionEvaluator& evaluator, const std::string& expression, double x, double y,
                double& value) {
    char text[kWorkTextSize];
    if (expression.size() >= sizeof text)
        return false;
    std::memcpy(text, expression.c_str(), expression.size() + 1);
    return ReplaceVariable(text, sizeof text, 'x', x) && ReplaceVariable(text, sizeof text, 'y', y) &&
           evaluator.Evaluate(text, value);
}

} // namespace

void InequalitySampler::SampleInequality(PlotBuffer& buffer) {
    buffer.kind = kInequalityPlot;
    const std::vector<InequalityChain> conditions = ReadInequalityGroup(FieldText(buffer.inequality.text));
    if (conditions.empty())
        return;
    InequalityRegion& region = buffer.region;
    region = RegionGrid(buffer.inequality);
    std::vector<double> values;
    for (int j = 0; j < region.size; ++j) {
        const double y = region.Y(j);
        for (int i = 0; i < region.size; ++i) {
            const double x = region.X(i);
            bool inside = true;
            for (const InequalityChain& chain : conditions) {
                values.resize(chain.expressions.size());
                for (std::size_t k = 0; inside && k < chain.expressions.size(); ++k)
                    inside = EvaluateAt(*this, chain.expressions[k], x, y, values[k]) &&
                             (k == 0 || Holds(chain.comparisons[k - 1], values[k - 1], values[k]));
                if (!inside)
                    break;
            }
            region.inside[static_cast<std::size_t>(j) * region.size + i] = inside ? 1 : 0;
        }
    }
}
