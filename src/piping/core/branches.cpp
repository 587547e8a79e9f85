#include "piping/core/branches.h"

#include <algorithm>
#include <cmath>

namespace hanhai::piping {

namespace {

constexpr std::string_view kEntryTail = "根支管汇总一根总管";

}  // namespace

std::string branchCountEntry(int branches) { return std::to_string(branches) + std::string(kEntryTail); }

std::optional<int> branchCount(std::string_view entry) {
    for (int n = kFewestBranches; n <= kMostBranches; ++n)
        if (entry == branchCountEntry(n)) return n;
    return std::nullopt;
}

double headerSize(double bore) {
    if (!(bore > 0) || bore > kNominalSizes.back()) return 0;
    return *std::lower_bound(kNominalSizes.begin(), kNominalSizes.end(), bore);
}

MergeResult mergeBranches(const MergeInput &input) {
    double sum = 0;
    for (double dn : input.branches) sum += dn * dn;
    MergeResult r;
    r.bore = std::sqrt(sum);
    if (std::isfinite(r.bore)) {
        r.header = headerSize(r.bore);
        if (r.bore > kNominalSizes.back()) r.warning = kHeaderTooLargeMessage;
    }
    if (input.selector == kBranchCountPrompt) r.failure = kNoBranchCountMessage;
    return r;
}

}  // namespace hanhai::piping
