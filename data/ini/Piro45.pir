; ПДР-3: one-wavelength pyrometer with a regulator output (relay or
; pulse-width); the regulation keys are set in the Mirandel settings form.
[Piro_Option]
PiroType=ПДР-3
Dilimiter=/
AprocCodeNum=1
Bitmap=Piro45.png

[Buttons]
acStartStop=1
acBodyTemp=0
acSettings=1
acRegul=1
acPIDRegul=1
acTimeSynchro=1
acOff=1
acServCom=1
acSaveSignature=1
frmSettings=Mirandel.dll
frmRegul=Mirandel.dll
frmSaveSignature=PiroSignature.dll

[GraphMods]
GModsCount=2
GMods0Title=Температура
GMods0LinesCount=1
GMods0Line0=Температура
GMods0Line0Dim=T°C
GMods1Title=Регулирование
GMods1LinesCount=2
GMods1Line0=Температура
GMods1Line0Dim=T°C
GMods1Line1=Мощность
GMods1Line1Dim=%

[LEDs]
LEDCount=4
LEDCap1=Tизм<Tmin
LEDCap2=Tизм>Tmax
LEDCap3=Реле включено
LEDCap4=Обрыв цепи нагрузки
LEDCap5=
LEDCap6=
