import sys, os
out = sys.argv[1]
docs = {}
docs['wordpad-1252.rtf'] = (r'''{\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman\fprq2\fcharset0 Times New Roman;}{\f2\fnil\fcharset2 Symbol;}}
{\colortbl ;\red255\green0\blue0;\red0\green0\blue255;}
{\*\generator Msftedit 5.41.15.1515;}\viewkind4\uc1\pard\qc\b\f0\fs32 The Vantrel Kite III\b0\fs20\par
\pard\par
\pard\qj\f1\fs24 The Kite III was the last Vantrel designed by Am\'e9lie Dorran. Its engine, built at the M\'fcnster plant, cost \'a3240 \'96 about \'80300 today \'97 and ran \'93like a sewing machine\'94, as \i Motor Weekly\i0  said.\par
\pard\par
\pard\f0\fs20 Standard equipment:\par
\pard{\pntext\f2\'b7\tab}{\*\pn\pnlvlblt\pnf2\pnindent0{\pntxtb\'b7}}\fi-720\li720 Heater and \cf1 red\cf0  tail lamps\par
{\pntext\f2\'b7\tab}Twin \ul mirrors\ulnone\par
{\pntext\f2\'b7\tab}Chrome \strike bumpers\strike0  trim\par
\pard\par
\pard{\pntext\f0 1.\tab}{\*\pn\pnlvlbody\pnf0\pnindent0\pnstart1\pndec{\pntxta.}}\fi-360\li720 Open the bonnet.\par
{\pntext\f0 2.\tab}Check the oil.\par
{\pntext\f0 3.\tab}Close the bonnet.\par
\pard\par
\pard\tx1440\tx2880 Model\tab Year\tab Price\par
Kite III\tab 1979\tab\'a31,999\par
\pard\par
\pard\cf2\b Note:\cf0\b0  prices \super 1\nosupersub  exclude tax; H\sub 2\nosupersub O not included.\line Second line of the same paragraph.\par
\pard\sb120\sa120\sl360\slmult1\li567\ri567 Spaced and indented paragraph, \{braces\} and a back\\slash.\par
}
''').replace('\n', '\r\n')
docs['cyrillic-1251.rtf'] = r'''{\rtf1\ansi\ansicpg1251\deff0\deflang1049{\fonttbl{\f0\fswiss\fcharset204{\*\fname Arial;}Arial CYR;}{\f1\fswiss\fcharset0 Arial;}}
\viewkind4\uc1\pard\b\f0\fs28 \'c2\'e0\'ed\'f2\'f0\'e5\'eb\'fc \'ca\'e0\'e9\'f2 III\b0\fs20\par
\'cf\'e5\'f0\'e2\'fb\'e9 \'e0\'e2\'f2\'ee\'ec\'ee\'e1\'e8\'eb\'fc \'c2\'e0\'ed\'f2\'f0\'e5\'eb\'fc \'ef\'f0\'e8\'e1\'fb\'eb \'e2 \'cc\'ee\'f1\'ea\'e2\'f3 \'e2 1972 \'e3\'ee\'e4\'f3.\par
\f1 Latin text in a charset-0 font: caf\'e9.\f0\par
\'b9 \'e2\'ee\'f1\'e5\'ec\'fc \'97 \'ab\'ea\'e0\'e2\'fb\'f7\'ea\'e8\'bb.\par
}
'''
docs['central-greek.rtf'] = r'''{\rtf1\ansi\ansicpg1250\deff0{\fonttbl{\f0\fswiss\fcharset238 Arial CE;}{\f1\froman\fcharset161 Times New Roman Greek;}{\f2\fswiss\fcharset0 Arial;}}
\pard\f0\fs24 P\'f8\'edli\'9a \'9elu\'9dou\'e8k\'fd k\'f9\'f2 \'fap\'ecl \'ef\'e1belsk\'e9 \'f3dy.\par
\'a3\'f3d\'9f, Krak\'f3w, Gda\'f1sk, \'8al\'b9sk.\par
\f1 \'c7 \'e1\'f5\'f4\'ef\'ea\'df\'ed\'e7\'f4\'ef \'e5\'df\'ed\'e1\'e9 \'e3\'f1\'DE\'e3\'ef\'f1\'e7.\par
\f2 Ansi again: \'e9\'e8\'ea.\par
{\f1\'c1\'e8\'e7\'ed\'e1}\'f6\par
}
'''
docs['unicode.rtf'] = r'''{\rtf1\ansi\ansicpg1252\uc1\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\fnil\fcharset2 Symbol;}}
\pard\f0 One-byte fallback: \u8364?uro and \u1046?uk.\par
Two-byte fallback: {\uc2\u955 la and \u956 mu} after.\par
No fallback: {\uc0\u8482 trademark}.\par
Hex fallback: \u233\'e9 and \u224\'e0.\par
Surrogate pair: \u-10179?\u-8553? car.\par
Symbol font: {\f1 a b g \'b7 \'a5 \u61623?} end.\par
{\upr{Ansi fallback}{\*\ud{Unicode \u9733? star}}}\par
Symbols: a\~b c\_d e\-f \emdash \endash \lquote x\rquote  \ldblquote y\rdblquote  \bullet\tab tabbed\par
}
'''
docs['fields-pictures.rtf'] = r'''{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial;}}{\colortbl;\red0\green0\blue255;}
{\info{\title Fields and pictures}{\author Velocarta}}
\pard\f0\fs20 Visit {\field{\*\fldinst{HYPERLINK "http://vantrel.example.org/" }}{\fldrslt{\ul\cf1 the club site}}} today.\par
Page {\field{\*\fldinst PAGE }{\fldrslt 1}} of the booklet.\par
{\field{\*\fldinst HYPERLINK \\l "engines"}{\fldrslt Jump to engines}}\par
Hidden: visible{\v  secret} text.\par
A metafile: {\pict\wmetafile8\picw2540\pich1270\picwgoal1440\pichgoal720 0100090000035000000000002700000000000400000003010800050000000b0200000000050000000c02}\par
A footnote{\footnote\pard\plain footnote text}, then more.\par
{\header\pard\plain Running head\par}
Before page break\page After page break\par
{\*\bkmkstart engines}Engines{\*\bkmkend engines}\par
}
'''
docs['word6-numbering.rtf'] = r'''{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\fnil\fcharset2 Symbol;}}
\pard\f0\fs20 Checks before buying:\par
{\pntext\f1\'b7\tab}{\*\pn\pnlvlblt\pnf1\pnindent360{\pntxtb\'b7}}\fi-360\li360 Door plate.\par
{\pntext\f1\'b7\tab}Engine number.\par
\par
\pard{\pntext 1.\tab}{\*\pn\pnlvlbody\pnf0\pnindent360\pnstart1\pndec{\pntxta .}}\fi-360\li360 Open the bonnet.\par
{\pntext 2.\tab}Read the plate.\par
\pard Done.\par
}
'''
png = open('grille.png', 'rb').read()
jpeg = open('badge.jpg', 'rb').read()
docs['pictures.rtf'] = (r"""{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial;}}
\pard\f0\fs20 A PNG in hex: {\pict\pngblip\picw64\pich40\picwgoal960\pichgoal600 """ + png.hex() + r"""}\par
A JPEG as binary at half size: {\pict\jpegblip\picw48\pich32\picwgoal720\pichgoal480\picscalex50\picscaley50\bin""" + str(len(jpeg)) + " ").encode('latin-1') + jpeg + r"""}\par
A picture in Word's two forms: {\*\shppict{\pict\pngblip\picwgoal300\pichgoal300 """.encode('latin-1') + png.hex().encode('latin-1') + r"""}}{\nonshppict{\pict\wmetafile8\picwgoal300\pichgoal300 0100}}\par
}
""".encode('latin-1')
docs['word-tables.rtf'] = r"""{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\froman\fcharset0 Times New Roman;}}
\pard\plain\f0\fs20 Before the table.\par
\trowd\trgaph108\trleft-108\cellx2000\cellx4000\cellx6000
\pard\plain\intbl\f0\fs20 Year\cell Model\cell Price\cell\row
\trowd\trgaph108\trleft-108\clmgf\cellx2000\clmrg\cellx4000\cellx6000
\pard\plain\intbl\f0\fs20 1964 and 1965 Coupe\cell\cell \'a31,200\cell\row
\trowd\trgaph108\trleft-108\clvmgf\cellx2000\cellx4000\cellx6000
\pard\plain\intbl\f0\fs20 1971\cell Kite I\cell \'a31,450\cell\row
\trowd\trgaph108\trleft-108\clvmrg\cellx2000\cellx4000\cellx6000
\pard\plain\intbl\f0\fs20 \cell Kite I Estate\cell \'a31,600\cell\row
\pard\plain\f0\fs20 Between the tables.\par
\trowd\trgaph108\cellx3000\cellx6000
\pard\plain\intbl\itap1\f0\fs20 Outer A\par
\pard\plain\intbl\itap2\f0\fs20 Inner 1\nestcell Inner 2\nestcell
{\*\nesttableprops\trowd\trgaph108\cellx1400\cellx2800\nestrow}{\nonesttables\par}
\pard\plain\intbl\itap2\f0\fs20 Inner 3\nestcell Inner 4\nestcell
{\*\nesttableprops\trowd\trgaph108\cellx1400\cellx2800\nestrow}{\nonesttables\par}
\pard\plain\intbl\itap1\f0\fs20 After inner\cell Outer B\cell
\trowd\trgaph108\cellx3000\cellx6000\row
\pard\plain\f0\fs20 After the tables.\par
}
"""

for name, text in docs.items():
    with open(os.path.join(out, name), 'wb') as f:
        f.write(text if isinstance(text, bytes) else text.encode('latin-1'))
