// The verification cases. Widths are left to the default module (B=0) so
// that every resolution gets whole pixels per module.
#include "VerifyCases.h"

namespace {

// A text with a NUL byte between its two parts.
std::string Nul(const std::string& before, const std::string& after) {
    return before + std::string(1, '\0') + after;
}

} // namespace

const std::vector<VerifyCase>& VerifyCases() {
    static const std::vector<VerifyCase> cases = {
        {"C=39,B=0,S1=6,H=12,P=0,D=CODE 39-./+$%", "Code39", "CODE 39-./+$%"},
        {"C=39X,B=0,S1=6,H=12,P=0,D=Full ascii!", "Code39", "Full ascii!", "full-ascii"},
        {"C=93,B=0,S1=6,H=12,D=CODE 93", "Code93", "CODE 93"},
        {"C=93X,B=0,S1=6,H=12,D=Code 93 full", "Code93", "Code 93 full"},
        {"C=CODA,B=0,S1=6,H=12,P=0,D=A40156B", "Codabar", "A40156B", "start-stop"},
        {"C=128,B=0,S1=6,H=12,D=Parcel 0042 ABC", "Code128", "Parcel 0042 ABC"},
        {"C=128,B=0,S1=6,H=12,D=123456789012", "Code128", "123456789012"},
        {"C=128A,B=0,S1=6,H=12,D=UPPER 12", "Code128", "UPPER 12"},
        {"C=128B,B=0,S1=6,H=12,D=lower 12", "Code128", "lower 12"},
        {"C=128C,B=0,S1=6,H=12,D=123456", "Code128", "123456"},
        {"C=25L,B=0,S1=6,H=12,P=0,D=123456", "ITF", "123456"},
        {"C=I14,B=0,S1=6,H=20,D=1234567890123", "ITF", "12345678901231"},
        {"C=E13,B=0,S1=6,H=20,D=400638133393", "EAN-13", "4006381333931"},
        {"C=E8,B=0,S1=6,H=20,D=9638507", "EAN-8", "96385074"},
        {"C=UPCA,B=0,S1=6,H=20,D=03600029145", "UPC-A", "036000291452"},
        {"C=UPCE,B=0,S1=6,H=20,D=04210000526", "UPC-E", "04252614"},
        // The check characters zxing-cpp leaves in the text prove ours right.
        {"C=39,B=0,S1=6,H=12,D=CODE39", "Code39", "CODE39W"},
        {"C=HIBC,B=0,S1=6,H=12,D=A123BJC5D6E71", "Code39", "+A123BJC5D6E71G"},
        {"C=E128,B=0,S1=6,H=12,D=0112345678901231", "Code128", "0112345678901231", "", "]C1"},
        {"C=E128A,B=0,S1=6,H=12,D=10ABC", "Code128", "10ABC", "", "]C1"},
        {"C=UCC128,B=0,S1=6,H=12,D=00123456789012345678", "Code128", "00123456789012345678", "",
         "]C1"},
        {"C=E13+2,B=0,S1=6,H=20,D=40063813339312", "EAN-13", "4006381333931 12", "add-on"},
        {"C=E13+5,B=0,S1=6,H=20,D=97803064066155", "EAN-13", "9780306406614 55000", "add-on"},
        {"C=E8+5,B=0,S1=6,H=20,D=963850712345", "EAN-8", "96385074 12345", "add-on"},
        {"C=UPCA+2,B=0,S1=6,H=20,D=0360002914512", "UPC-A", "036000291452 12", "add-on"},
        {"C=UPCE+5,B=0,S1=6,H=20,D=0421000052699999", "UPC-E", "04252614 99999", "add-on"},
        // Two-dimensional symbols; QR Code is drawn upright in every rotation.
        // At SEC=5 this text makes a symbol that zxing-cpp 1.4 reads upright but
        // misses turned by a quarter or half turn at 600 and 1200 dpi, though
        // the turned drawings are its exact turns: SEC=6 reads in every one.
        {"C=PDF417,B=0,S1=6,SEC=6,D=PDF417 Text 12345678901234567890 mixed", "PDF417",
         "PDF417 Text 12345678901234567890 mixed"},
        {"C=PDF417,B=0,S1=6,SEC=2,FC=3,D=\\x01\\xFFbytes", "PDF417",
         "\x01\xC3\xBF"
         "bytes"},
        // Rows to spare: the padding after the byte data is 900, read as nothing.
        {"C=PDF417,B=0,S1=6,SEC=1,FR=20,FC=2,D=Padded\\xFF", "PDF417", "Padded\xC3\xBF"},
        {"C=DM,B=0,S1=12,D=Data Matrix 1234567890", "DataMatrix", "Data Matrix 1234567890"},
        {"C=DM,B=0,S1=12,DME=BASE256,D=\\x01\\x80\\xFF256", "DataMatrix",
         "\x01\xC2\x80\xC3\xBF"
         "256"},
        {"C=DM,B=0,S1=12,DMF=16X48,D=RECTANGLE", "DataMatrix", "RECTANGLE"},
        // The quiet zone (DMM=, in pixels) is the request's to give.
        {"C=QR,B=0,S1=12,DMM=50,D=Hello QR 123", "QRCode", "Hello QR 123"},
        {"C=QR,B=0,S1=12,DMM=50,QRE=H,D=0123456789 ABCDEF lower case", "QRCode",
         "0123456789 ABCDEF lower case"},
        // NUL bytes in the data, as binary data has them: every byte up to the
        // command's length is data.
        {Nul("C=QR,B=0,S1=12,DMM=50,D=nul", "byte"), "QRCode", Nul("nul", "byte")},
        {Nul("C=DM,B=0,S1=12,D=nul", "ascii"), "DataMatrix", Nul("nul", "ascii")},
        {Nul("C=DM,B=0,S1=12,DME=BASE256,D=b256", "\xFF"), "DataMatrix", Nul("b256", "\xC3\xBF")},
        {Nul("C=PDF417,B=0,S1=6,SEC=2,D=nul", "byte"), "PDF417", Nul("nul", "byte")},
        {Nul("C=128,B=0,S1=6,H=12,D=NUL", "A"), "Code128", Nul("NUL", "A")},
        {"C=MC,MCPC=123456789,MCCC=840,MCCS=001,D=HELLO MAXICODE", "MaxiCode",
         "123456789\x1D"
         "840\x1D"
         "001\x1DHELLO MAXICODE",
         "pure-upright"},
        // More characters than secondary codewords: nine digits take six.
        {"C=MC,MCPC=123456789,MCCC=840,MCCS=001,D=" + std::string(50, '7') + std::string(50, '3'),
         "MaxiCode",
         "123456789\x1D"
         "840\x1D"
         "001\x1D" +
             std::string(50, '7') + std::string(50, '3'),
         "pure-upright"},
        {"C=MC,MCPC=B1 2XY,MCCC=826,MCCS=002,D=International 42", "MaxiCode",
         "B1 2XY\x1D"
         "826\x1D"
         "002\x1DINTERNATIONAL 42",
         "pure-upright"},
        // The full shipment message from the fields, with the weight in kilograms.
        {"C=MC,MCPC=123456789,MCCC=840,MCCS=001,MCTR=1z123,MCSN=12345e,MCJD=089,MCSI=a1,MCPN=1,"
         "MCPT=2,MCPWK=10,MCAV=y,MCAD=main st 1,MCCI=springfield,MCST=il,D=",
         "MaxiCode",
         "[)>\x1E"
         "01\x1D"
         "96123456789\x1D"
         "840\x1D"
         "001\x1D"
         "1Z123\x1DUPSN\x1D"
         "12345E\x1D"
         "089\x1D"
         "A1\x1D"
         "1/2\x1D"
         "22\x1DY\x1DMAIN ST 1\x1DSPRINGFIELD\x1DIL\x1E\x04",
         "pure-upright"},
    };
    return cases;
}

std::string RotatedCommand(const VerifyCase& verifyCase, int rotation) {
    return "R=" + std::to_string(rotation) + "," + verifyCase.command;
}
