// The Japanese classes and the gross English classes.  The English classes
// (`fEPOSMap`) are generated from the grammar (epos_map_data.cpp).
#include "engine/foundation/english_pos_classes.h"

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
