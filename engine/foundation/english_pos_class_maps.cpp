// The numbered part-of-speech classes and the gross English classes.
//
// English classes (`fEPOSMap`): every name of the English name table from
// "ABOUT" on, in strcmp order, numbered from 2 in that order; names sorting
// before "ABOUT" (those beginning with a digit or a sign) are no class.  The
// last class, "years", closes the map at 609; the numbers in between belong
// to classes the name table does not name.  0 is no class, 1 an unknown one.
// When the name table gains a name, it is added here in its place and the
// numbers after it move up: classes are never stored, only compared.
#include "engine/foundation/english_pos_classes.h"

POSClassName const fEPOSMap[kEPOSMapSize] = {
    {2, "ABOUT"}, {3, "ADJ"}, {4, "ADJ01"}, {5, "ADJ01b"}, {6, "ADJ01c"}, {7, "ADJ02"}, {8, "ADJ03"},
    {9, "ADJ04"}, {10, "ADJ05"}, {11, "ADJ06"}, {12, "ADJ07"}, {13, "ADJ08"}, {14, "ADJ09"}, {15, "ADJ10"},
    {16, "ADJ11"}, {17, "ADJ12"}, {18, "ADJONLY"}, {19, "ADJONLY2"}, {20, "ADJP"}, {21, "ADJUNCT"},
    {22, "ADJb"}, {23, "ADV"}, {24, "ADV01"}, {25, "ADV02"}, {26, "ADV03"}, {27, "ADV04"}, {28, "ADVONLY"},
    {29, "ADVP"}, {30, "ALBEIT"}, {31, "ALL"}, {32, "ART"}, {33, "AUX"}, {34, "AUXCAN"}, {35, "AUXMAY"},
    {36, "AUXMUST"}, {37, "AUXXCAN"}, {38, "AUXXMAY"}, {39, "AUXXMUST"}, {40, "AUXYCAN"}, {41, "AUXYMAY"},
    {42, "AUXYMUST"}, {43, "AUXZCAN"}, {44, "Acc"}, {45, "Ago"}, {46, "AnnoDomini"}, {47, "BE"}, {48, "BE1"},
    {49, "BOTH"}, {50, "BOTH2"}, {51, "BUT"}, {52, "CLOSEQ"}, {53, "CONJ"}, {54, "CONJ2"}, {55, "CONJWHETHER"},
    {56, "CONJafter"}, {57, "CONJas"}, {58, "CONJbefore"}, {59, "CONJfin"}, {60, "CONJini"},
    {61, "CONJinitial"}, {62, "CONJso"}, {63, "CONJthat"}, {64, "CONJwhen"}, {65, "CONJwherefrom"},
    {66, "CONJwhereto"}, {67, "DECINUMBER"}, {68, "Dat_ni"}, {69, "EARLY"}, {70, "EITHER"}, {71, "ENDLITERAL"},
    {72, "ENDTITLE"}, {73, "ENDTITLE3"}, {74, "ENDTITLEHuman"}, {75, "ENDTITLEInc"}, {76, "ENOUGH"},
    {77, "ETC"}, {78, "EVENIF"}, {79, "EVERY"}, {80, "EVERYfew"}, {81, "FIRST"}, {82, "FRACTION"},
    {83, "FRACTIONS"}, {84, "FRACTIONShundred"}, {85, "FRACTIONSmillion"}, {86, "FRACTIONSthousand"},
    {87, "FRACTIONhalf"}, {88, "FRACTIONhundred"}, {89, "FRACTIONmillion"}, {90, "FRACTIONthousand"},
    {91, "GOINGTO"}, {92, "GONE"}, {93, "HADBETTER"}, {94, "HAVETO"}, {95, "HELLO"}, {96, "HERE"},
    {97, "HERE2"}, {98, "HOW"}, {99, "HOW2much"}, {100, "HOWABOUT1"}, {101, "HOWTO"}, {102, "Hodo"},
    {103, "IF"}, {104, "IFONLY"}, {105, "INTERJ"}, {106, "INTERJ2"}, {107, "INTERJ3"}, {108, "INTERJhey"},
    {109, "In_Order"}, {110, "LAST"}, {111, "LEGALWHEREAS"}, {112, "LOC"}, {113, "LOC1"}, {114, "LetUs"},
    {115, "MATHSYMBOL"}, {116, "MATHSYMBOL2"}, {117, "MEASUREUNIT"}, {118, "MEASUREUNITnoun"}, {119, "MORE"},
    {120, "Much"}, {121, "Much2"}, {122, "N"}, {123, "N'"}, {124, "N1"}, {125, "N1_CommaList"}, {126, "N2"},
    {127, "N2'"}, {128, "NAMELY"}, {129, "NCOMP"}, {130, "NEG-ADV"}, {131, "NEG-DET"}, {132, "NEG-DET-ALL"},
    {133, "NEG-PRN"}, {134, "NEG-PRN-ALL"}, {135, "NEITHER"}, {136, "NP"}, {137, "NP'"}, {138, "NPPOS1"},
    {139, "NTIMES3"}, {140, "NUMBER"}, {141, "NUMBER1"}, {142, "NUMBER1000"}, {143, "NUMBER20_90"},
    {144, "NUMBER20_90/1_9"}, {145, "NUMBER2_9"}, {146, "NUMBER_BILLION"}, {147, "NUMBER_MILLION"},
    {148, "NUMBER_QUADRILLION"}, {149, "NUMBER_TRILLION"}, {150, "NUMBERapprox"}, {151, "NUMBERzero"},
    {152, "N_number"}, {153, "Next"}, {154, "Nom"}, {155, "Nom_ga"}, {156, "Nom_ha"}, {157, "Not"},
    {158, "Nwhen"}, {159, "Nwhere"}, {160, "OPENQ"}, {161, "OR"}, {162, "ORDINAL"}, {163, "OVER"},
    {164, "PLEASE"}, {165, "POSTSCRIPT"}, {166, "PP"}, {167, "PREP"}, {168, "PREP2"}, {169, "PREP3"},
    {170, "PREP4"}, {171, "PREP5"}, {172, "PREP6"}, {173, "PREPADJ"}, {174, "PREPADV"}, {175, "PREPcum"},
    {176, "PRN"}, {177, "PRN2"}, {178, "QCOMP"}, {179, "QSwh"}, {180, "QUADJ"}, {181, "RATHER"},
    {182, "RATHERTHAN"}, {183, "RAWCAPSEQ"}, {184, "RCOMP"}, {185, "RCOMP1Human"}, {186, "RCOMP1Nonhuman"},
    {187, "RCOMP2Human"}, {188, "RCOMP2Nonhuman"}, {189, "RCOMP4"}, {190, "RCOMP4when"}, {191, "RCOMP4where"},
    {192, "RCOMP4whereof"}, {193, "RCOMP5"}, {194, "RCOMP5C"}, {195, "RCOMP5CHuman"}, {196, "RCOMP5Humanacc"},
    {197, "RCOMP6how"}, {198, "RCOMP6when"}, {199, "RCOMP6where"}, {200, "RCOMP6why"}, {201, "RCOMP7"},
    {202, "RESPECTIVELY"}, {203, "S1"}, {204, "SAE"}, {205, "SAKE"}, {206, "SALUTE"}, {207, "SCONJ"},
    {208, "SEASON"}, {209, "SECOND"}, {210, "STARTLITERAL"}, {211, "STREET"}, {212, "SUCH"}, {213, "THAN"},
    {214, "THEN"}, {215, "THERE"}, {216, "THEREFORE"}, {217, "THEREFORE2"}, {218, "THIS"}, {219, "THOUGH"},
    {220, "TIME"}, {221, "TIMES1"}, {222, "TIMES2"}, {223, "TIMES3"}, {224, "TIMEadv"}, {225, "TITLE2Human"},
    {226, "TITLE2Place"}, {227, "TITLE2b"}, {228, "TITLEHumanpl"}, {229, "TITLEInc"}, {230, "TITLENumber"},
    {231, "TITLEPlace"}, {232, "TITLEyearpl"}, {233, "TITLEyearsg"}, {234, "TO"}, {235, "Too"}, {236, "VERSUS"},
    {237, "VI01"}, {238, "VI03"}, {239, "VI03a"}, {240, "VI03b"}, {241, "VI03come"}, {242, "VI04"},
    {243, "VI04a"}, {244, "VI04b"}, {245, "VI04c"}, {246, "VI05"}, {247, "VI06"}, {248, "VI06b"}, {249, "VI07"},
    {250, "VI08"}, {251, "VI08used"}, {252, "VI10"}, {253, "VI10b"}, {254, "VI12a"}, {255, "VI12b"},
    {256, "VI13"}, {257, "VI14"}, {258, "VI15"}, {259, "VI15b"}, {260, "VI16"}, {261, "VI17"}, {262, "VI18"},
    {263, "VI19"}, {264, "VI20"}, {265, "VI21"}, {266, "VICEVERSA"}, {267, "VP"}, {268, "VP2"}, {269, "VT01"},
    {270, "VT01d"}, {271, "VT01e"}, {272, "VT01mean"}, {273, "VT02"}, {274, "VT02b"}, {275, "VT02c"},
    {276, "VT02d"}, {277, "VT03"}, {278, "VT03b"}, {279, "VT03d"}, {280, "VT03e"}, {281, "VT03f"},
    {282, "VT04b"}, {283, "VT04c"}, {284, "VT04d"}, {285, "VT04e"}, {286, "VT05"}, {287, "VT05b"},
    {288, "VT05c"}, {289, "VT05d"}, {290, "VT05e"}, {291, "VT06"}, {292, "VT06b"}, {293, "VT07"},
    {294, "VT07a"}, {295, "VT07b"}, {296, "VT07c"}, {297, "VT07d"}, {298, "VT07f"}, {299, "VT07g"},
    {300, "VT08a"}, {301, "VT08b"}, {302, "VT08c"}, {303, "VT09"}, {304, "VT10"}, {305, "VT11"}, {306, "VT12"},
    {307, "VT13"}, {308, "VT14"}, {309, "VT14b"}, {310, "VT15"}, {311, "VT16"}, {312, "VT16a"}, {313, "VT16b"},
    {314, "VT16bb"}, {315, "VT16c"}, {316, "VT16e"}, {317, "VT16f"}, {318, "VT16g"}, {319, "VT17a"},
    {320, "VT17b"}, {321, "VT17c"}, {322, "VT18"}, {323, "VT19"}, {324, "VT20"}, {325, "VT21"}, {326, "VT21a"},
    {327, "VT21b"}, {328, "VT22"}, {329, "VT25"}, {330, "VT25b"}, {331, "VT26"}, {332, "VT28"}, {333, "VT29"},
    {334, "VT30"}, {335, "VT30b"}, {336, "VT31"}, {337, "VT31b"}, {338, "VT32"}, {339, "VT33"}, {340, "VT34"},
    {341, "Very"}, {342, "WANTED"}, {343, "WELCOMETO"}, {344, "WHAT"}, {345, "WHENEVER"},
    {346, "WHENEVERwhere"}, {347, "WHEREAS"}, {348, "WHICHEVERAdj"}, {349, "WHOEVERAcc"}, {350, "WHOEVERNom"},
    {351, "WHOSE"}, {352, "WHQ"}, {353, "WHQADJ"}, {354, "WHQADJwhere"}, {355, "WHQADV"}, {356, "WHQADV2"},
    {357, "WHQADVP"}, {358, "WHQADVwhy"}, {359, "WHQART"}, {360, "WHQPOSS"}, {361, "WOULDRATHER"},
    {362, "WOULDRATHER2"}, {363, "XCO"}, {364, "XCONJ"}, {365, "YES"}, {366, "YET"}, {609, "years"},
};

// Japanese classes, as the inflection tables number them.  "SUPPRESS" and
// "AuxWill" share 2: both are left out of the Japanese.
POSClassName const fJPOSMap[kJPOSMapSize] = {
    {1, "OTHER"},       {2, "SUPPRESS"},    {11, "N"},            {21, "ADV"},          {31, "VCb"},
    {32, "VCg"},        {33, "VCik"},       {34, "VCk"},          {35, "VCm"},          {36, "VCn"},
    {37, "VCr"},        {38, "VCs"},        {39, "VCt"},          {40, "VCw"},          {41, "VCww"},
    {42, "VV"},         {43, "Vku"},        {44, "Vsu"},          {45, "Vsus"},         {46, "Vsuse"},
    {47, "Vzu"},        {101, "ADJ"},       {102, "ADJDAcb"},     {103, "ADJDAcg"},     {104, "ADJDAcm"},
    {105, "ADJDAcn"},   {106, "ADJDAdecb"}, {107, "ADJDAdecg"},   {108, "ADJDAdecm"},   {109, "ADJDAdecn"},
    {110, "ADJDAdecb2"}, {111, "ADJDAdecg2"}, {112, "ADJDAdecm2"}, {113, "ADJDAdecn2"}, {114, "ADJRUTAcr"},
    {115, "ADJRUTAcw"}, {116, "ADJRUTAsu"}, {117, "ADJRUTAvv"},   {118, "ADJTAck"},     {119, "ADJTAcr"},
    {120, "ADJTAcs"},   {121, "ADJTAct"},   {122, "ADJTAcw"},     {123, "ADJTAku"},     {124, "ADJTAsu"},
    {125, "ADJTAsus"},  {126, "ADJTAteck"}, {127, "ADJTAtecr"},   {128, "ADJTAtecs"},   {129, "ADJTAtect"},
    {130, "ADJTAtecw"}, {131, "ADJTAteku"}, {132, "ADJTAtesu"},   {133, "ADJTAtesus"},  {134, "ADJTAtevv"},
    {135, "ADJTAteck2"}, {136, "ADJTAtecr2"}, {137, "ADJTAtecs2"}, {138, "ADJTAtect2"}, {139, "ADJTAtecw2"},
    {140, "ADJTAteku2"}, {141, "ADJTAtesu2"}, {142, "ADJTAtesus2"}, {143, "ADJTAtevv2"}, {144, "ADJTAvv"},
    {145, "NAbeki"},    {146, "NAna"},      {147, "NAnano"},      {148, "NAno"},        {149, "VADJcik"},
    {150, "VADJck"},    {151, "VADJcm"},    {152, "VADJcr"},      {153, "VADJcs"},      {154, "VADJct"},
    {155, "VADJcw"},    {156, "VADJku"},    {157, "VADJsu"},      {158, "VADJsus"},     {159, "VADJvv"},
    {171, "ADJTAcik"},  {172, "ADJTAtecik"}, {173, "ADJTAtecik2"}, {174, "NAzero"},     {2, "AuxWill"},
};

// Tried in order by FindGrossEPOS.  "ADJUNCT" comes before "ADJ" so that it
// is no adjective.
GrossPOSRow const fGPOSMatcher[kGPOSMatcherSize] = {
    {27, nullptr},   {28, nullptr},  {-1, "ADJUNCT"}, {29, "ADJ"},  {30, "AUX"},
    {31, nullptr},   {32, "ADV"},    {33, "PREP"},    {34, "CONJ"}, {35, "INTERJ"},
};
