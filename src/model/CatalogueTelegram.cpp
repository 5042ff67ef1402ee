// Communication: serial telegrams, Modbus, CAN and CANopen.
#include "model/CatalogueRows.h"

namespace fup::catalogue {
namespace {

// clang-format off
constexpr TypeRow Rows[] = {
//   type, menu caption(s), label, hint,
//   inputs, outputs, width, parameters
    {202, {"STN Sende"}, "STN-Tx", "STN-Telegramm senden",
     "en D", "suc D, err D", 3, R"(snr 56 ="0"; ken 58 ="AK"; rnr 56 ="0"; azd 56 ="16"; aza 56 ="3")"},
    {203, {"STN Empfange"}, "STN-Rx", "STN-Telegramm empfangen",
     "en D", "suc D, err D", 3, R"(snr 56 ="0"; ken 58 ="BK"; rnr 56 ="0"; azd 56 ="16"; aza 56 ="3")"},
    {234, {"MES  Sende"}, "MES-Tx", "MES-Protokoll, sende Daten (RS-485)",
     "en D", "suc D, err D", 3, R"(snr 56 ="0"; rnr 56 ="0")"},
    {235, {"MES  Empfange"}, "MES-Rx", "MES-Protokoll, empfange Daten (RS-485)",
     "en D", "suc D, err D", 3, R"(snr 56 ="0"; rnr 56 ="0")"},
    {224, {"MES - Slave"}, "MES-Slv", "MES-Slave (RS-485)",
     "en D", "suc D, err D", 3, R"(dst 56 ="0"; src 56 ="0")"},
    {236, {"LA  Sende"}, "LA-Tx", "LA-Landanschluss, sende Daten (RS-485)",
     "en D", "suc D, err D", 3, R"(snr 56 ="0"; rnr 56 ="0")"},
    {237, {"LA  Empfange"}, "LA-Rx", "LA-Landanschluss, empfange Daten (RS-485)",
     "en D", "suc D, err D", 3, R"(snr 56 ="0"; rnr 56 ="0")"},
    {204, {"TP2 - Slave"}, "TP2", "TP2-Slave",
     "en D", "suc D, err D", 3, R"(snr 56 ="0"; rnr 56 ="1500")"},
    {226, {"PNL700"}, "PNL700", "PNL700-Tableau",
     "en D", "suc D, err D", 3, R"(kan 56 ="10"; cnr 56 ="0"; min 56 ="0"; max 56 ="0")"},
    {208, {"MODBUS Slave"}, "MOD-Slv", "Modbus-Slave (RS-485) mit Geraete-Nr.Eingang",
     "en D, ger I", "suc D, err D", 3, R"(snr 56 ="0"; min 56 ="0"; max 56 ="0")"},
    {217, {"MOD-F3  (read Reg)"}, "MBM-F3", "ModBus-Master(read multiple(FC3))",
     "en D, ger I", "suc D, err D, req D", 3, R"(snr 56 ="0"; rnr 56 ="0"; anz 56 ="0"; rrg 56 ="0")"},
    {225, {"MOD-F6  (write 1 Reg)"}, "MBM-F6", "ModBus-Master(write 1 Register (FC6))",
     "en D, ger I", "suc D, err D, req D", 3, R"(snr 56 ="0"; rnr 56 ="0"; rrg 56 ="0")"},
    {209, {"MOD-F16 (write Reg)"}, "MBM-F16", "ModBus-Master(write multiple(FC16))",
     "en D, ger I", "suc D, err D, req D", 3, R"(snr 56 ="0"; rnr 56 ="0"; anz 56 ="0"; rrg 56 ="0")"},
    {230, {"UDP MODBUS Slave"}, "UDP-Slv", "UDP Modbus-Slave ..nur einer je SPS",
     "en D", "suc D, err D", 3, R"(min 56 ="0"; max 56 ="0")"},
    {231, {"UDP MOD-F3  (read Reg)"}, "UDP-F3", "UDP ModBus-Master(read multiple(FC3))",
     "en D, ip I", "suc D, err D, req D", 3, R"(rnr 56 ="0"; anz 56 ="0"; rrg 56 ="0")"},
    {233, {"UDP MOD-F6  (write 1 Reg)"}, "UDP-F6", "UDP ModBus-Master(write 1 Register (FC6))",
     "en D, ip I", "suc D, err D, req D", 3, R"(rnr 56 ="0"; rrg 56 ="0")"},
    {232, {"UDP MOD-F16 (write Reg)"}, "UDP-F16", "UDP ModBus-Master(write multiple(FC16))",
     "en D, ip I", "suc D, err D, req D", 3, R"(rnr 56 ="0"; anz 56 ="0"; rrg 56 ="0")"},
    {200, {"CAN Sende"}, "CAN-Tx", "CAN: Sende-Baustein",
     "en D", "suc D, err D", 3, R"(kan 56 ="14"; cnr 56 ="0"; lty 56 ="0" h; idt 56 ="$201"; rnr 56 ="0"; azb 56 ="8"; rtx 56 ="0" h)"},
    {221, {"CAN Sende (Id-Index)"}, "Can-Tx-id", "CAN: Sende-Baustein, mit Ident-Offset",
     "en D, ido I*", "suc D, err D", 3, R"(kan 56 ="14"; cnr 56 ="0"; lty 56 ="0" h; idt 56 ="$201"; rnr 56 ="0"; azb 56 ="8"; rtx 56 ="0" h; mxi 56 ="$7FF")"},
    {201, {"CAN Empfange"}, "CAN-Rx", "CAN: Empfangs-Baustein",
     "en D", "suc D, err D", 3, R"(kan 56 ="15"; cnr 56 ="0"; lty 56 ="0" h; idt 56 ="$301"; rnr 56 ="0"; azb 56 ="8"; rtx 56 ="0" h)"},
    {222, {"CAN Empfange(Id-Index)"}, "Can-Rx-id", "CAN: Empfangs-Baustein, mit Ident-Offset",
     "en D, ido I*", "suc D, err D", 3, R"(kan 56 ="15"; cnr 56 ="0"; lty 56 ="0" h; idt 56 ="$301"; rnr 56 ="0"; azb 56 ="8"; rtx 56 ="0" h; mxi 56 ="$7FF")"},
    {220, {"CAN Empfange Multiple"}, "CAN-RxM", "CAN: Empfang-Multiple-Baustein",
     "en D", "suc D, err D", 3, R"(kan 56 ="15"; cnr 56 ="1"; idt 56 ="$400"; rnr 56 ="0"; azg 56 ="1"; azr 56 ="6")"},
    {216, {"CAN Bus-Monitor"}, "CBusMon", "CAN: BusMonitor(mit Reset)",
     "rst D", "wrn D, off D", 3, R"(cnr 56 ="0")"},
    {210, {"CanOpen Send NMT"}, "CO NMT", "CAN-OPEN: NMT-Command(start=1,stop=2,preOp=$80,resetNode=$81,resetComm=$82)",
     "en D", "suc D, err D", 3, R"(kan 56 ="14"; cnr 56 ="0" h; nid 56 ="1"; cmd 56 ="1")"},
    {211, {"CanOpen Send SYNC"}, "CO sync", "CAN-OPEN: Sync-Command",
     "en D", "suc D, err D", 3, R"(kan 56 ="14"; cnr 56 ="0" h)"},
    {212, {"SDO Const -> Obj.Verz"}, "SDO-SKO", "CAN-OPEN: SDO Schreib Konstante -> Obj.Verz.",
     "en D", "suc D, err D, req D", 3, R"(kan 56 ="14"; cnr 56 ="0" h; nid 56 ="0"; idx 56 ="0"; sub 56 ="0"; len 56 ="4"; val 56 ="0")"},
    {213, {"SDO Reg -> Obj.Verz"}, "SDO-SOV", "CAN-OPEN: SDO Schreib Register -> Obj.Verz.",
     "en D", "suc D, err D, req D", 3, R"(kan 56 ="14"; cnr 56 ="0" h; nid 56 ="0"; idx 56 ="0"; sub 56 ="0"; len 56 ="4"; rnr 56 ="0")"},
    {218, {"SDO Reg -> Obj.Verz (idx)"}, "SDO-SOi", "CAN-OPEN: SDO Schreib Register(indiziert) -> Obj.Verz.",
     "en D, inc I", "suc D, err D, req D", 3, R"(kan 56 ="14"; cnr 56 ="0" h; nid 56 ="0"; idx 56 ="0"; sub 56 ="0"; len 56 ="4"; min 56 ="0"; max 56 ="0")"},
    {214, {"SDO Obj.Verz -> Reg"}, "SDO-LOV", "CAN-OPEN: SDO Lese Obj.Verz. -> Register",
     "en D", "suc D, err D, req D", 3, R"(kan 56 ="15"; cnr 56 ="0" h; nid 56 ="0"; idx 56 ="0"; sub 56 ="0"; len 56 ="4"; rnr 56 ="0")"},
    {219, {"SDO Obj.Verz -> Reg (idx)"}, "SDO-LOi", "CAN-OPEN: SDO Lies Obj.Verz. (indiziert) -> Register",
     "en D, inc I", "suc D, err D, req D", 3, R"(kan 56 ="15"; cnr 56 ="0" h; nid 56 ="0"; idx 56 ="0"; sub 56 ="0"; len 56 ="4"; min 56 ="0"; max 56 ="0")"},
};
// clang-format on

}  // namespace

GroupTable telegramBlocks() { return {"--- Telegramme ---", false, Rows}; }

}  // namespace fup::catalogue
