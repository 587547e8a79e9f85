// Every screen of the suite: its name, the screen its back control reopens, and how its
// window is made. A screen that is not built yet has no maker, and the menus leave it inert.
#include "app/screens.h"
#include "cabling/ui/cabling_screens.h"
#include "geometry/ui/volume_screens.h"
#include "geometry/ui/weight_screens.h"
#include "heating/ui/heating_screens.h"
#include "heating/ui/insulation_screens.h"
#include "machinery/ui/bolt_screen.h"
#include "machinery/ui/shaft_screen.h"
#include "machinery/ui/deflection_screen.h"
#include "machinery/ui/engine_speed_screen.h"
#include "machinery/ui/power_units_screen.h"
#include "piping/ui/branch_screen.h"
#include "piping/ui/expansion_screen.h"
#include "piping/ui/orifice_screen.h"
#include "piping/ui/flow_screen.h"
#include "piping/ui/sleeve_screen.h"
#include "sections/ui/section_screens.h"
#include "shell/ui/calculator.h"
#include "shell/ui/info_pages.h"
#include "shell/ui/menus.h"
#include "steel/ui/steel_screens.h"
#include "tools/ui/calculator_screen.h"
#include "tools/ui/calendar_screen.h"
#include "ventilation/ui/engine_room_screen.h"
#include "ventilation/ui/cabin_screens.h"

namespace hanhai::app {

namespace {

using namespace shell;

using geometry::capVolumeScreen;
using geometry::coneVolumeScreen;
using geometry::cuboidVolumeScreen;
using geometry::cylinderVolumeScreen;
using geometry::frustumVolumeScreen;
using geometry::sphereVolumeScreen;
using geometry::torusVolumeScreen;
using geometry::tubeVolumeScreen;
using geometry::capWeightScreen;
using geometry::cylinderWeightScreen;
using geometry::frustumWeightScreen;
using geometry::sphereWeightScreen;
using geometry::tubeWeightScreen;
using namespace steel;

constexpr const char *kMain = "主菜单";
constexpr const char *kVolumes = "体积计算";
constexpr const char *kWeights = "重量计算";
constexpr const char *kNone = "";

const ScreenEntry kScreens[] = {
    // menus
    {"主菜单", kNone, makeMainMenu},
    {"体积计算", kMain, makeVolumeMenu},
    {"重量计算", kMain, makeWeightMenu},
    {"货油加热系统计算", kMain, makeHeatingMenu},
    {"绝热计算", kMain, makeInsulationMenu},
    {"通风风量计算", kMain, makeVentilationMenu},
    {"电缆框电缆筒电缆盒估算", kMain, makeCableFittingMenu},
    {"构件几何特性计算", kMain, makeSectionMenu},

    // volumes
    {"圆柱体体积计算", kVolumes, makeCalculator<cylinderVolumeScreen>},
    {"圆锥体体积计算", kVolumes, makeCalculator<coneVolumeScreen>},
    {"圆环体积计算", kVolumes, makeCalculator<torusVolumeScreen>},
    {"方形体计算", kVolumes, makeCalculator<cuboidVolumeScreen>},
    {"圆筒体积计算", kVolumes, makeCalculator<tubeVolumeScreen>},
    {"球体体积计算", kVolumes, makeCalculator<sphereVolumeScreen>},
    {"圆台体积计算", kVolumes, makeCalculator<frustumVolumeScreen>},
    {"球冠体积计算", kVolumes, makeCalculator<capVolumeScreen>},

    // weights
    {"圆柱体重量计算", kWeights, makeCalculator<cylinderWeightScreen>},
    {"圆筒重量计算", kWeights, makeCalculator<tubeWeightScreen>},
    {"圆台重量计算", kWeights, makeCalculator<frustumWeightScreen>},
    {"球体重量计算", kWeights, makeCalculator<sphereWeightScreen>},
    {"球冠重量计算", kWeights, makeCalculator<capWeightScreen>},
    {"普通钢板重量计算", kWeights, makeCalculator<plainPlateScreen>},
    {"腹板重量计算", kWeights, makeCalculator<webPlateScreen>},
    {"直角三角板重量计算", kWeights, makeCalculator<trianglePlateScreen>},
    {"矩形风道重量计算", kWeights, makeCalculator<ductScreen>},
    {"花钢板重量计算", kWeights, makeCalculator<checkeredPlateScreen>},
    {"槽钢重量计算", kWeights, makeCalculator<channelScreen>},
    {"工字钢重量计算", kWeights, makeCalculator<iBeamScreen>},
    {"等边角钢重量计算", kWeights, makeCalculator<equalAngleScreen>},
    {"不等边角钢重量计算", kWeights, makeCalculator<unequalAngleScreen>},
    {"球扁钢重量计算", kWeights, makeCalculator<bulbFlatScreen>},
    {"方钢重量计算", kWeights, makeCalculator<squareBarScreen>},

    // information and reference pages
    {"版体信息", kNone, makeAboutPage},
    {"常用螺纹规格", kNone, makeThreadPage},
    {"锅炉热损失", kNone, makeBoilerLossPage},
    {"排气管热损失", kNone, makeExhaustLossPage},

    // the other calculators and desk tools, all returning to the main menu
    {"管子膨胀量计算", kMain, piping::makeExpansionScreen},
    {"流量速度转换", kMain, piping::makeFlowScreen},
    {"支管合并管径计算", kMain, piping::makeBranchScreen},
    {"节流孔板计算", kMain, piping::makeOrificeScreen},
    {"焊接直通套管选择", kMain, piping::makeSleeveScreen},
    {"货油加热系统计算蒸汽", kMain, heating::makeSteamHeatingScreen},
    {"货油加热系统计算热油", kMain, heating::makeThermalOilHeatingScreen},
    {"管子绝热包扎计算", kMain, heating::makePipeInsulationScreen},
    {"舱柜绝热包扎计算", kMain, heating::makeTankInsulationScreen},
    {"舱室通风风量计算", kMain, ventilation::makeRegularCabinScreen},
    {"不舱室通风风量计算", kMain, ventilation::makeIrregularCabinScreen},
    {"机舱通风风量计算", kMain, ventilation::makeEngineRoomScreen},
    {"螺栓扭力计算", kMain, machinery::makeBoltScreen},
    {"轴系轴径计算", kMain, machinery::makeShaftScreen},
    {"柴油机转速计算", kMain, machinery::makeEngineSpeedScreen},
    {"功率单位转换", kMain, machinery::makePowerUnitsScreen},
    {"挠度计算", kMain, machinery::makeDeflectionScreen},
    {"电缆托架宽度估算", kMain, cabling::makeTrayWidthScreen},
    {"电缆框估算", kMain, cabling::makeFrameScreen},
    {"电缆筒估算", kMain, cabling::makeTubeScreen},
    {"电缆盒估算", kMain, cabling::makeBoxScreen},
    {"T型材模数惯性计算", kMain, sections::makeTSectionScreen},
    {"槽型舱壁剖面模数惯性矩计算", kMain, sections::makeCorrugationScreen},
    {"万年历计算", kMain, tools::makeCalendarScreen},
    {"科学计算器", kMain, tools::makeCalculatorScreen},
};

}  // namespace

std::span<const ScreenEntry> screens() { return kScreens; }

}  // namespace hanhai::app
