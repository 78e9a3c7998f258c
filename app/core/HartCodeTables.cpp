#include "app/core/HartCodeTables.h"

#include "platform/core/IntegerConversion.h"

#include <array>
#include <string_view>

// Texts of the HART common tables, as the gateway's users know them.

namespace {

struct TVarCodeName {
    uint8_t Code;
    std::string_view Name;
};

const TVarCodeName Var_Code_Names[] = {
    {242, "Battery Voltage"},   {243, "Battery life"},        {244, "Percent Range"},
    {245, "Loop Current"},      {246, "Primary Variable"},    {247, "Secondary Variable"},
    {248, "Tertiary Variable"}, {249, "Quaternary Variable"}, {250, "Not Used"},
};

// Codes 64 .. 111; 0 and 1 .. 63 are handled apart.
const std::array<std::string_view, 48> Classification_Names = {
    "Temperature",                            // 64
    "Pressure",                               // 65
    "Volumetric Flow",                        // 66
    "Velocity",                               // 67
    "Volume",                                 // 68
    "Length",                                 // 69
    "Time",                                   // 70
    "Mass",                                   // 71
    "Mass Flow",                              // 72
    "Mass Per Volume",                        // 73
    "Viscosity",                              // 74
    "Angular Velocity",                       // 75
    "Area",                                   // 76
    "Energy (Work)",                          // 77
    "Force",                                  // 78
    "Power",                                  // 79
    "Frequency",                              // 80
    "Analytical",                             // 81
    "Capacitance",                            // 82
    "Electromotive Force/Electric Potential", // 83
    "Current",                                // 84
    "Resistance",                             // 85
    "Angle",                                  // 86
    "Conductance",                            // 87
    "Volume Per Volume",                      // 88
    "Volume Per Mass",                        // 89
    "Concentration",                          // 90
    "Reserved",                               // 91
    "Reserved",                               // 92
    "Reserved",                               // 93
    "Reserved",                               // 94
    "Reserved",                               // 95
    "Acceleration",                           // 96
    "Turbidity",                              // 97
    "Temperature Difference",                 // 98
    "Volumetric Gas Flow (per Second)",       // 99
    "Volumetric Gas Flow (per Minute)",       // 100
    "Volumetric Gas Flow (per Hour)",         // 101
    "Volumetric Gas Flow (per Day)",          // 102
    "Volumetric Liquid Flow (per Second)",    // 103
    "Volumetric Liquid Flow (per Minute)",    // 104
    "Volumetric Liquid Flow (per Hour)",      // 105
    "Volumetric Liquid Flow (per Day)",       // 106
    "Thermal Expansion",                      // 107
    "Volumetric Energy Density",              // 108
    "Mass Energy Density",                    // 109
    "Torque",                                 // 110
    "Miscellaneous",                          // 111
};

// Codes 1 .. 156.
const std::array<std::string_view, 156> Unit_Names = {
    "inH2O (inches of water at 68 °F / 20 °C)",           // 1
    "inHg (inches of mercury at 0 °C)",                   // 2
    "ftH2O (feet of water at 68 °F / 20 °C)",             // 3
    "mmH2O (millimeters of water at 68 °F / 20 °C)",      // 4
    "mmHg (millimeters of mercury at 0 °C)",              // 5
    "psi (pounds per square inch)",                       // 6
    "bar (bars)",                                         // 7
    "mbar (millibars)",                                   // 8
    "g/cm² (grams per square centimeter)",                // 9
    "kg/cm² (kilograms per square centimeter)",           // 10
    "Pa (pascals)",                                       // 11
    "kPa (kilopascals)",                                  // 12
    "Torr (torr)",                                        // 13
    "at (atmospheres)",                                   // 14
    "ft³/min (cubic feet per minute)",                    // 15
    "gal/min (gallons per minute)",                       // 16
    "l/min (liters per minute)",                          // 17
    "gal (UK)/min (imperial gallons per minute)",         // 18
    "m³/h (cubic meter per hour)",                        // 19
    "ft/s (feet per second)",                             // 20
    "m/s (meters per second)",                            // 21
    "gal/s (gallons per second)",                         // 22
    "Mgal/d (million gallons per day)",                   // 23
    "l/s (liters per second)",                            // 24
    "Ml/d (million liters per day)",                      // 25
    "ft³/s (cubic feet per second)",                      // 26
    "ft³/d (cubic feet per day)",                         // 27
    "m³/s (cubic meters per second)",                     // 28
    "m³/d (cubic meters per day)",                        // 29
    "gal (UK)/h (imperial gallons per hour)",             // 30
    "gal (UK)/d (imperial gallons per day)",              // 31
    "°C (degrees Celsius)",                               // 32
    "°F (degrees Fahrenheit)",                            // 33
    "°R (degrees Rankine)",                               // 34
    "K (kelvin)",                                         // 35
    "mV (millivolts)",                                    // 36
    "Ω (ohms)",                                           // 37
    "Hk (hertz)",                                         // 38
    "mA (milliamperes)",                                  // 39
    "gal (gallons)",                                      // 40
    "l (liters)",                                         // 41
    "gal (UK) (imperial gallons)",                        // 42
    "m³ (cubic meters)",                                  // 43
    "fl (feet)",                                          // 44
    "m (meters)",                                         // 45
    "bbl (barrels)",                                      // 46
    "in (inches)",                                        // 47
    "cm (centimeters)",                                   // 48
    "mm (millimeters)",                                   // 49
    "min (minutes)",                                      // 50
    "s (seconds)",                                        // 51
    "h (hours)",                                          // 52
    "d (days)",                                           // 53
    "cSt (centistokes)",                                  // 54
    "cP (centipoise)",                                    // 55
    "µS (microsiemens)",                                  // 56
    "% (percent)",                                        // 57
    "V (volts)",                                          // 58
    "pH (potential of Hydrogen [acidity or alkalinity])", // 59
    "g (grams)",                                          // 60
    "kg (kilograms)",                                     // 61
    "t (metric tons)",                                    // 62
    "lb (pounds)",                                        // 63
    "ton (short tons)",                                   // 64
    "ton (UK) (long tons)",                               // 65
    "mS/cm (milli siemens per centimeter)",               // 66
    "µS/cm (micro siemens per centimeter)",               // 67
    "N (Newton)",                                         // 68
    "J (joule)",                                          // 69
    "g/s (grams per second)",                             // 70
    "g/min (grams per minute)",                           // 71
    "g/h (grams per hour)",                               // 72
    "kg/s (kilograms per second)",                        // 73
    "kg/min (kilograms per minute)",                      // 74
    "kg/h (kilograms per hour)",                          // 75
    "kg/d (kilograms per day)",                           // 76
    "t/min (metric tons per minute)",                     // 77
    "t/h (metric tons per hour)",                         // 78
    "t/d (metric tons per day)",                          // 79
    "lb/s (pounds per second)",                           // 80
    "lb/min (pounds per minute)",                         // 81
    "lb/h (pounds per hour)",                             // 82
    "lb/d (pounds per day)",                              // 83
    "ton/min (short tons per minute)",                    // 84
    "ton/h (short tons per hour)",                        // 85
    "ton/d (short tons per day)",                         // 86
    "ton (UK)/h (long tons per hour)",                    // 87
    "ton (UK)/d (long tons per hour)",                    // 88
    "DTH (dekatherm)",                                    // 89
    "SG (specific gravity units)",                        // 90
    "g/cm³ (grams per cubic centimeter)",                 // 91
    "kg/m³ (kilograms per cubic meter)",                  // 92
    "lb/gal (pounds per gallon)",                         // 93
    "lb/ft³ (pounds per cubic foot)",                     // 94
    "g/ml (grams per milliliter)",                        // 95
    "kg/l (kilograms per liter)",                         // 96
    "g/l (grams per liter)",                              // 97
    "lb/in³ (pounds per cubic inch)",                     // 98
    "ton/yd³ (short tons per cubic yard)",                // 99
    "°Tw (degrees twaddell)",                             // 100
    "°Bx (degrees brix)",                                 // 101
    "B° (degrees baume heavy)",                           // 102
    "B° (light) (degrees baume light)",                   // 103
    "Degrees API (degrees API)",                          // 104
    "% (percent solids per weight)",                      // 105
    "% (percent solids per volume)",                      // 106
    "°Bg (degrees balling)",                              // 107
    "proof/vol (proof per volume)",                       // 108
    "proof/mass (proof per mass)",                        // 109
    "bu (bushels)",                                       // 110
    "yd³ (cubic yards)",                                  // 111
    "ft³ (cubic feet)",                                   // 112
    "in³ (cubic inches)",                                 // 113
    "in/s (inches per second)",                           // 114
    "in/min (inches per minute)",                         // 115
    "ft/min (feet per minute)",                           // 116
    "°/s (degrees per second)",                           // 117
    "rps (revolutions per second)",                       // 118
    "rpm (revolutions per minute)",                       // 119
    "m/h (meters per hour)",                              // 120
    "Nm³/h (normal cubic meters per hour)",               // 121
    "Nl/h (normal liter per hour)",                       // 122
    "SCF/min (standard cubic feet per minute)",           // 123
    "bbl (US) (bbl liq)",                                 // 124
    "oz (ounce)",                                         // 125
    "lbf (foot-pound force)",                             // 126
    "kW (kilowatt)",                                      // 127
    "kWh (kilowatt hour)",                                // 128
    "hp (horsepower)",                                    // 129
    "ft³/h (cubic feet per hour)",                        // 130
    "m³/min (cubic meters per minute)",                   // 131
    "bbl/s (barrels per second)",                         // 132
    "bbl/min (barrels per minute)",                       // 133
    "bbl/h (barrels per hour)",                           // 134
    "bbl/d (barrels per day)",                            // 135
    "gal/h (gallons per hour)",                           // 136
    "gal (UK)/s (imperial gallons per second)",           // 137
    "l/h (liter per hour)",                               // 138
    "ppm (parts per million)",                            // 139
    "Mcal(th)/h (megacalorie per hour)",                  // 140
    "MJ/h (megajoule per hour)",                          // 141
    "Btu/h (british thermal unit per hour)",              // 142
    "° (degrees)",                                        // 143
    "rad (radian)",                                       // 144
    "inH2O (60 °F) (inches of waterat 60 °F)",            // 145
    "µg/l (micrograms per liter)",                        // 146
    "µg/m³ (micrograms per cubic meter)",                 // 147
    "% (percent consistency)",                            // 148
    "vol% (volume percent)",                              // 149
    "% (percent steam quality)",                          // 150
    "fl-16 (feet in sixteenths)",                         // 151
    "fl³/lb (cubic feet per pound)",                      // 152
    "pF (picofarads)",                                    // 153
    "ml/l (milliliters per liter)",                       // 154
    "µl/l (microliters per liter)",                       // 155
    "dB (Decibel)",                                       // 156
};

} // namespace

void HART_Var_Code_Name(uint8_t Code, bool& Known, std::string& Name) {
    for (const TVarCodeName& entry : Var_Code_Names) {
        if (entry.Code == Code) {
            Known = true;
            Name = std::string(entry.Name);
            return;
        }
    }
    Known = false;
    Name = IntToStr(Code);
}

int HART_Var_Code_From_Name(std::string_view Name) {
    for (const TVarCodeName& entry : Var_Code_Names) {
        if (entry.Name == Name)
            return entry.Code;
    }
    return StrToIntDef(Name, 0);
}

void HART_Classification_Name(uint8_t Code, std::string& Name) {
    if (Code == 0)
        Name = "Device Variable Not Classified";
    else if (Code < 64)
        Name = "Reserved";
    else if (Code < 64 + Classification_Names.size())
        Name = std::string(Classification_Names[Code - 64]);
    else
        Name = IntToStr(Code);
}

void HART_Unit_Name(uint8_t Code, std::string& Name) {
    if (Code >= 1 && Code <= Unit_Names.size())
        Name = std::string(Unit_Names[Code - 1]);
    else
        Name = IntToStr(Code);
}
