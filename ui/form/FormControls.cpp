#include "ui/form/FormControls.h"

namespace brivane::ui {
namespace {

// The control ids of the form, by object name.
struct FormControl {
  const char* objectName;
  int id;
};
constexpr FormControl kFormControls[] = {
    {"editLoadMass", 1003},
    {"editAccel", 1004},
    {"editVelocity", 1007},
    {"editDwell", 1009},
    {"editDistance", 1011},
    {"checkShowDoubleSided", 1013},
    {"editFriction", 1018},
    {"checkShowSingleSided", 1019},
    {"buttonViewSpec", 1020},
    {"buttonSaveResult", 1022},
    {"comboModel", 1023},
    {"editSafety", 1027},
    {"buttonSelect", 1028},
    {"editModelDoubleSided", 1029},
    {"editModelSingleSided", 1030},
    {"editRatedDoubleSided", 1033},
    {"editPeakDoubleSided", 1034},
    {"editRatedSingleSided", 1037},
    {"editPeakSingleSided", 1038},
    {"buttonReset", 1041},
    {"buttonCheckDuty", 1042},
    {"comboRatedLimit", 1043},
    {"comboPeakLimit", 1045},
    {"checkMotorType1", 1048},
    {"checkMotorType2", 1049},
    {"checkMotorType3", 1050},
    {"checkMotorType4", 1051},
    {"checkMotorType5", 1052},
    {"checkMotorType6", 1058},
    {"editRmsThrust", 1059},
    {"editPeakThrust", 1060},
    {"editAccelTime", 1061},
    {"editConstTime", 1062},
    {"editTotalTime", 1063},
    {"editAccelDistance", 1064},
    {"editConstDistance", 1065},
    {"editTotalDistance", 1066},
    {"editModelVela", 1075},
    {"editRatedVela", 1077},
    {"editPeakVela", 1078},
    {"checkShowVela", 1081},
    {"labelCoilNote", 1084},
    {"editAmbient", 1085},
    {"labelFrictionHint", 1086},
    {"editCoil", 1089},
    {"chartViewer", 1090},
    {"radioAccelG", 1116},
    {"radioAccelTime", 1117},
    {"buttonCompare", 1200},
    {"buttonAxisDesign", 1201},
};

}  // namespace

int FormControlId(QLatin1String objectName) {
  for (const FormControl& c : kFormControls) {
    if (objectName == QLatin1String(c.objectName)) return c.id;
  }
  Q_ASSERT_X(false, "ControlId", "a form widget without an entry in kFormControls");
  return -1;
}

}  // namespace brivane::ui
