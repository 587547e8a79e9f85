// The header into which 2 to 10 branch pipes merge without raising the flow velocity: its
// flow area is the sum of the branch areas, and the chosen header is the next standard
// nominal size.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace hanhai::piping {

inline constexpr int kMostBranches = 10;
inline constexpr int kFewestBranches = 2;

// Standard nominal sizes DN, mm, ascending.
inline constexpr std::array<double, 20> kNominalSizes = {4,  6,  8,   10,  15,  20,  25,  32,  40,  50,
                                                         65, 80, 100, 125, 150, 200, 250, 300, 350, 400};

// What the branch-count selector offers ("2根支管汇总一根总管" … "10根支管汇总一根总管"),
// and the prompt that counts as no choice.
std::string branchCountEntry(int branches);
inline constexpr std::string_view kBranchCountPrompt = "请选择支管的数量";
// The number of branches an entry stands for; nothing for any other text.
std::optional<int> branchCount(std::string_view entry);

inline constexpr std::string_view kHeaderTooLargeMessage = "总管通径大于400，不推荐此合并方式   ";
inline constexpr std::string_view kNoBranchCountMessage = "请先选择支管的数量";

struct MergeInput {
    std::array<double, kMostBranches> branches{};  // nominal bores DN, mm; unused ones are 0
    std::string selector;  // the branch-count selector's text as it stands
};

struct MergeResult {
    double bore = 0;  // theoretical header bore √(ΣDN²), mm
    // The chosen standard size: the smallest not below the bore, 0 for no bore or one above
    // 400 mm. Nothing when the bore is no finite number.
    std::optional<double> header;
    std::string warning;  // shown; the results stand
    std::string failure;  // shown after the warning; neither result stands
};

MergeResult mergeBranches(const MergeInput &input);

// The standard size for a theoretical bore, as above; 0 above 400 mm.
double headerSize(double bore);

}  // namespace hanhai::piping
