<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ro">
<context>
    <name>Form0</name>
    <message>
        <source>RNA - Introducere</source>
        <translation>RNA - Introduction</translation>
    </message>
    <message>
        <source>Neuronul cu o intrare</source>
        <comment>BitBtn1</comment>
        <translation>Neuron with one input</translation>
    </message>
    <message>
        <source>Neuronul cu doua intrari</source>
        <comment>BitBtn2</comment>
        <translation>Neuron with two inputs</translation>
    </message>
    <message>
        <source>Retea neuronala</source>
        <comment>BitBtn3</comment>
        <translation>Neural network</translation>
    </message>
    <message>
        <source>Iesire</source>
        <comment>BitBtn4</comment>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Principiul de functionare al neuronului cu o intrare</source>
        <translation>How a neuron with one input works</translation>
    </message>
    <message>
        <source>MARIMEA DE INTRARE</source>
        <comment>Label1</comment>
        <translation>INPUT</translation>
    </message>
    <message>
        <source>PONDEREA CONEXIUNII</source>
        <comment>Label2</comment>
        <translation>WEIGHT</translation>
    </message>
    <message>
        <source>PRAG</source>
        <comment>Label3</comment>
        <translation>BIAS</translation>
    </message>
    <message>
        <source>MARIMEA DE IESIRE</source>
        <comment>Label5</comment>
        <translation>OUTPUT</translation>
    </message>
    <message>
        <source>FUNCTIA DE ACTIVARE</source>
        <comment>Label4</comment>
        <translation>TRANSFER FUNCTION</translation>
    </message>
    <message>
        <source>INTRAREA NETA</source>
        <comment>Label6</comment>
        <translation>NET INPUT</translation>
    </message>
    <message>
        <source>p = </source>
        <comment>Label20</comment>
        <translation>p = </translation>
    </message>
    <message>
        <source>w = </source>
        <comment>Label21</comment>
        <translation>w = </translation>
    </message>
    <message>
        <source>n = </source>
        <comment>Label22</comment>
        <translation>n = </translation>
    </message>
    <message>
        <source>b = </source>
        <comment>Label23</comment>
        <translation>b = </translation>
    </message>
    <message>
        <source>Intrare neta</source>
        <comment>Chart1</comment>
        <translation>Net input</translation>
    </message>
    <message>
        <source>Functia de transfer a neuronului</source>
        <comment>Chart1</comment>
        <translation>The neuron&apos;s transfer function</translation>
    </message>
    <message>
        <source>Identitate</source>
        <comment>ComboBox1</comment>
        <translation>Identity</translation>
    </message>
    <message>
        <source>Tangent hiperbolic</source>
        <comment>ComboBox1</comment>
        <translation>Hyperbolic tangent</translation>
    </message>
    <message>
        <source>Sigmoid logistic</source>
        <comment>ComboBox1</comment>
        <translation>Logistic sigmoid</translation>
    </message>
    <message>
        <source>Modificati marimea de intrare, </source>
        <comment>Memo1</comment>
        <translation>Move the sliders of the input, </translation>
    </message>
    <message>
        <source>valorile ponderilor si pragului. </source>
        <comment>Memo1</comment>
        <translation>the weight and the bias. </translation>
    </message>
    <message>
        <source>Alegeti functia de activare a </source>
        <comment>Memo1</comment>
        <translation>Choose the neuron&apos;s transfer </translation>
    </message>
    <message>
        <source>neuronului. Veti observa, </source>
        <comment>Memo1</comment>
        <translation>function. You will see, in </translation>
    </message>
    <message>
        <source>numeric si grafic, modificarea </source>
        <comment>Memo1</comment>
        <translation>numbers and on the chart, how </translation>
    </message>
    <message>
        <source>marimii nete de intrare in neuron </source>
        <comment>Memo1</comment>
        <translation>the net input of the neuron </translation>
    </message>
    <message>
        <source>(linia verde si valoarea n). </source>
        <comment>Memo1</comment>
        <translation>changes (green line and n). </translation>
    </message>
    <message>
        <source>In functie de marimea neta si </source>
        <comment>Memo1</comment>
        <translation>Depending on the net input and </translation>
    </message>
    <message>
        <source>functia de activare folosite, </source>
        <comment>Memo1</comment>
        <translation>the transfer function used, </translation>
    </message>
    <message>
        <source>marimea de iesire din neuron va </source>
        <comment>Memo1</comment>
        <translation>the output of the neuron will </translation>
    </message>
    <message>
        <source>avea diferite valori. </source>
        <comment>Memo1</comment>
        <translation>take different values. </translation>
    </message>
    <message>
        <source>Inchide</source>
        <comment>BitBtn1</comment>
        <translation>Close</translation>
    </message>
    <message>
        <source>Schema neuronului cu o intrare: intrarea p, ponderea w, suma, pragul b, functia de activare, iesirea</source>
        <comment>Image1</comment>
        <translation>Diagram of the neuron with one input: the input p, the weight w, the sum, the bias b, the transfer function, the output</translation>
    </message>
    <message>
        <source>Schema neuronului cu o intrare</source>
        <comment>Image1</comment>
        <translation>Diagram of the neuron with one input</translation>
    </message>
    <message>
        <source>{functia}; intrarea neta n = {n}; iesirea {iesire}; axa orizontala de la {xmin} la {xmax}, axa verticala de la {ymin} la {ymax}</source>
        <comment>Chart1</comment>
        <translation>{functia}; net input n = {n}; output {iesire}; horizontal axis from {xmin} to {xmax}, vertical axis from {ymin} to {ymax}</translation>
    </message>
    <message>
        <source>Functia de activare</source>
        <comment>ComboBox1</comment>
        <translation>Transfer function</translation>
    </message>
    <message>
        <source>Marimea de intrare p</source>
        <comment>TrackBar1</comment>
        <translation>Input p</translation>
    </message>
    <message>
        <source>Ponderea w</source>
        <comment>TrackBar2</comment>
        <translation>Weight w</translation>
    </message>
    <message>
        <source>Pragul b</source>
        <comment>TrackBar3</comment>
        <translation>Bias b</translation>
    </message>
    <message>
        <source>Instructiuni</source>
        <comment>Memo1</comment>
        <translation>Instructions</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Principiul de functionare al neuronului cu doua intrari</source>
        <translation>How a neuron with two inputs works</translation>
    </message>
    <message>
        <source>p1 = </source>
        <comment>Label20</comment>
        <translation>p1 = </translation>
    </message>
    <message>
        <source>p2 = </source>
        <comment>Label21</comment>
        <translation>p2 = </translation>
    </message>
    <message>
        <source>w1 = </source>
        <comment>Label22</comment>
        <translation>w1 = </translation>
    </message>
    <message>
        <source>w2 = </source>
        <comment>Label23</comment>
        <translation>w2 = </translation>
    </message>
    <message>
        <source>n = </source>
        <comment>Label25</comment>
        <translation>n = </translation>
    </message>
    <message>
        <source>b = </source>
        <comment>Label27</comment>
        <translation>b = </translation>
    </message>
    <message>
        <source>MARIMEA DE IESIRE</source>
        <comment>Label29</comment>
        <translation>OUTPUT</translation>
    </message>
    <message>
        <source>FUNCTIA DE ACTIVARE</source>
        <comment>Label30</comment>
        <translation>TRANSFER FUNCTION</translation>
    </message>
    <message>
        <source>INTRAREA NETA</source>
        <comment>Label31</comment>
        <translation>NET INPUT</translation>
    </message>
    <message>
        <source>PRAG</source>
        <comment>Label32</comment>
        <translation>BIAS</translation>
    </message>
    <message>
        <source>MARIMEA DE INTRARE 1</source>
        <comment>Label33</comment>
        <translation>INPUT 1</translation>
    </message>
    <message>
        <source>MARIMEA DE INTRARE 2</source>
        <comment>Label34</comment>
        <translation>INPUT 2</translation>
    </message>
    <message>
        <source>PONDERILE CONEXIUNILOR</source>
        <comment>Label35</comment>
        <translation>WEIGHTS</translation>
    </message>
    <message>
        <source>Identitate</source>
        <comment>ComboBox1</comment>
        <translation>Identity</translation>
    </message>
    <message>
        <source>Tangent hiperbolic</source>
        <comment>ComboBox1</comment>
        <translation>Hyp. tangent</translation>
    </message>
    <message>
        <source>Sigmoid logistic</source>
        <comment>ComboBox1</comment>
        <translation>Logistic sigmoid</translation>
    </message>
    <message>
        <source>Functia de transfer a neuronului</source>
        <comment>Chart1</comment>
        <translation>The neuron&apos;s transfer function</translation>
    </message>
    <message>
        <source>Modificati marimea de intrare, </source>
        <comment>Memo1</comment>
        <translation>Move the sliders of the input, </translation>
    </message>
    <message>
        <source>valorile ponderilor si pragului. </source>
        <comment>Memo1</comment>
        <translation>the weight and the bias. </translation>
    </message>
    <message>
        <source>Alegeti functia de activare a </source>
        <comment>Memo1</comment>
        <translation>Choose the neuron&apos;s transfer </translation>
    </message>
    <message>
        <source>neuronului. Veti observa, </source>
        <comment>Memo1</comment>
        <translation>function. You will see, in </translation>
    </message>
    <message>
        <source>numeric si grafic, modificarea </source>
        <comment>Memo1</comment>
        <translation>numbers and on the chart, how </translation>
    </message>
    <message>
        <source>marimii nete de intrare in neuron </source>
        <comment>Memo1</comment>
        <translation>the net input of the neuron </translation>
    </message>
    <message>
        <source>(linia verde si valoarea n). </source>
        <comment>Memo1</comment>
        <translation>changes (green line and n). </translation>
    </message>
    <message>
        <source>In functie de marimea neta si </source>
        <comment>Memo1</comment>
        <translation>Depending on the net input and </translation>
    </message>
    <message>
        <source>functia de activare folosite, </source>
        <comment>Memo1</comment>
        <translation>the transfer function used, </translation>
    </message>
    <message>
        <source>marimea de iesire din neuron va </source>
        <comment>Memo1</comment>
        <translation>the output of the neuron will </translation>
    </message>
    <message>
        <source>avea diferite valori. </source>
        <comment>Memo1</comment>
        <translation>take different values. </translation>
    </message>
    <message>
        <source>Inchide</source>
        <comment>BitBtn1</comment>
        <translation>Close</translation>
    </message>
    <message>
        <source>Schema neuronului cu doua intrari: intrarile p1 si p2, ponderile w1 si w2, suma, pragul b, functia de activare, iesirea</source>
        <comment>Image2</comment>
        <translation>Diagram of the neuron with two inputs: the inputs p1 and p2, the weights w1 and w2, the sum, the bias b, the transfer function, the output</translation>
    </message>
    <message>
        <source>Schema neuronului cu doua intrari</source>
        <comment>Image2</comment>
        <translation>Diagram of the neuron with two inputs</translation>
    </message>
    <message>
        <source>Marimea de intrare p1</source>
        <comment>TrackBar1</comment>
        <translation>Input p1</translation>
    </message>
    <message>
        <source>Marimea de intrare p2</source>
        <comment>TrackBar2</comment>
        <translation>Input p2</translation>
    </message>
    <message>
        <source>Ponderea w1</source>
        <comment>TrackBar3</comment>
        <translation>Weight w1</translation>
    </message>
    <message>
        <source>Ponderea w2</source>
        <comment>TrackBar4</comment>
        <translation>Weight w2</translation>
    </message>
    <message>
        <source>Pragul b</source>
        <comment>TrackBar5</comment>
        <translation>Bias b</translation>
    </message>
    <message>
        <source>Functia de activare</source>
        <comment>ComboBox1</comment>
        <translation>Transfer function</translation>
    </message>
    <message>
        <source>{functia}; intrarea neta n = {n}; iesirea {iesire}; axa orizontala de la {xmin} la {xmax}, axa verticala de la {ymin} la {ymax}</source>
        <comment>Chart1</comment>
        <translation>{functia}; net input n = {n}; output {iesire}; horizontal axis from {xmin} to {xmax}, vertical axis from {ymin} to {ymax}</translation>
    </message>
    <message>
        <source>Instructiuni</source>
        <comment>Memo1</comment>
        <translation>Instructions</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>O retea neuronala simpla</source>
        <translation>A simple neural network</translation>
    </message>
    <message>
        <source>Identitate</source>
        <comment>ComboBox1</comment>
        <translation>Identity</translation>
    </message>
    <message>
        <source>Tangent hiperbolic</source>
        <comment>ComboBox1</comment>
        <translation>Hyperbolic tangent</translation>
    </message>
    <message>
        <source>Sigmoid logistic</source>
        <comment>ComboBox1</comment>
        <translation>Logistic sigmoid</translation>
    </message>
    <message>
        <source>Identitate</source>
        <comment>ComboBox2</comment>
        <translation>Identity</translation>
    </message>
    <message>
        <source>Tangent hiperbolic</source>
        <comment>ComboBox2</comment>
        <translation>Hyperbolic tangent</translation>
    </message>
    <message>
        <source>Sigmoid logistic</source>
        <comment>ComboBox2</comment>
        <translation>Logistic sigmoid</translation>
    </message>
    <message>
        <source>Identitate</source>
        <comment>ComboBox3</comment>
        <translation>Identity</translation>
    </message>
    <message>
        <source>Tangent hiperbolic</source>
        <comment>ComboBox3</comment>
        <translation>Hyperbolic tangent</translation>
    </message>
    <message>
        <source>Sigmoid logistic</source>
        <comment>ComboBox3</comment>
        <translation>Logistic sigmoid</translation>
    </message>
    <message>
        <source>TChart</source>
        <comment>Chart1</comment>
        <translation>TChart</translation>
    </message>
    <message>
        <source>Functia de transfer a neuronului de pe ultimul strat</source>
        <comment>Chart3</comment>
        <translation>Transfer function of the neuron on the last layer</translation>
    </message>
    <message>
        <source>Modificati marimea de intrare, valorile ponderilor si </source>
        <comment>Memo1</comment>
        <translation>Move the sliders of the input, the weights and the </translation>
    </message>
    <message>
        <source>pragurilor. Alegeti functiile de activare ale neuronilor de pe </source>
        <comment>Memo1</comment>
        <translation>biases. Choose the transfer functions of the neurons on </translation>
    </message>
    <message>
        <source>ambele straturi. Veti observa, numeric si grafic, modificarea </source>
        <comment>Memo1</comment>
        <translation>both layers. You will see, in numbers and on the charts, how </translation>
    </message>
    <message>
        <source>marimii nete de intrare in neuronul de pe ultimul strat (linia </source>
        <comment>Memo1</comment>
        <translation>the net input of the neuron on the last layer changes (green </translation>
    </message>
    <message>
        <source>verde), precum si reprezentarea grafica a functiilor de activare</source>
        <comment>Memo1</comment>
        <translation>line), and the charts of the transfer functions</translation>
    </message>
    <message>
        <source>folosite. </source>
        <comment>Memo1</comment>
        <translation>used. </translation>
    </message>
    <message>
        <source>In functie de valorile introduse si functiile de activare alese, </source>
        <comment>Memo1</comment>
        <translation>Depending on the values given and the functions chosen, </translation>
    </message>
    <message>
        <source>marimea de iesire din retea va avea diferite valori. </source>
        <comment>Memo1</comment>
        <translation>the output of the network will take different values. </translation>
    </message>
    <message>
        <source>TChart</source>
        <comment>Chart2</comment>
        <translation>TChart</translation>
    </message>
    <message>
        <source>Inchide</source>
        <comment>BitBtn1</comment>
        <translation>Close</translation>
    </message>
    <message>
        <source>Schema retelei neuronale: intrarea p alimenteaza neuronul 1 si neuronul 2, fiecare cu ponderea, pragul si functia sa de activare; iesirile lor, a1 si a2, intra prin ponderile v1 si v2 in neuronul de iesire, cu pragul b3 si functia sa de activare, care da iesirea retelei</source>
        <comment>Image2</comment>
        <translation>Diagram of the neural network: the input p feeds neuron 1 and neuron 2, each with its own weight, bias and transfer function; their outputs, a1 and a2, enter the output neuron through the weights v1 and v2, with its bias b3 and its transfer function, which gives the network&apos;s output</translation>
    </message>
    <message>
        <source>Schema retelei neuronale</source>
        <comment>Image2</comment>
        <translation>Diagram of the neural network</translation>
    </message>
    <message>
        <source>Marimea de intrare p</source>
        <comment>TrackBar1</comment>
        <translation>Input p</translation>
    </message>
    <message>
        <source>Functia de activare a neuronului 1</source>
        <comment>ComboBox1</comment>
        <translation>Transfer function of neuron 1</translation>
    </message>
    <message>
        <source>Functia de activare a neuronului 2</source>
        <comment>ComboBox2</comment>
        <translation>Transfer function of neuron 2</translation>
    </message>
    <message>
        <source>Functia de activare a neuronului de iesire</source>
        <comment>ComboBox3</comment>
        <translation>Transfer function of the output neuron</translation>
    </message>
    <message>
        <source>Ponderea w1 a neuronului 1</source>
        <comment>TrackBar2</comment>
        <translation>Weight w1 of neuron 1</translation>
    </message>
    <message>
        <source>Ponderea w2 a neuronului 2</source>
        <comment>TrackBar3</comment>
        <translation>Weight w2 of neuron 2</translation>
    </message>
    <message>
        <source>Pragul b1 al neuronului 1</source>
        <comment>TrackBar4</comment>
        <translation>Bias b1 of neuron 1</translation>
    </message>
    <message>
        <source>Pragul b2 al neuronului 2</source>
        <comment>TrackBar5</comment>
        <translation>Bias b2 of neuron 2</translation>
    </message>
    <message>
        <source>Ponderea v1 a neuronului de iesire</source>
        <comment>TrackBar6</comment>
        <translation>Weight v1 of the output neuron</translation>
    </message>
    <message>
        <source>Ponderea v2 a neuronului de iesire</source>
        <comment>TrackBar7</comment>
        <translation>Weight v2 of the output neuron</translation>
    </message>
    <message>
        <source>Pragul b3 al neuronului de iesire</source>
        <comment>TrackBar8</comment>
        <translation>Bias b3 of the output neuron</translation>
    </message>
    <message>
        <source>{functia}; intrarea neta n1 = {n1}; iesirea a1 = {a1}; axa orizontala de la {xmin} la {xmax}, axa verticala de la {ymin} la {ymax}</source>
        <comment>Chart1</comment>
        <translation>{functia}; net input n1 = {n1}; output a1 = {a1}; horizontal axis from {xmin} to {xmax}, vertical axis from {ymin} to {ymax}</translation>
    </message>
    <message>
        <source>Functia de transfer a neuronului 1</source>
        <comment>Chart1</comment>
        <translation>Chart of the transfer function of neuron 1</translation>
    </message>
    <message>
        <source>{functia}; intrarea neta n3 = {n3}; iesirea {iesire}; axa orizontala de la {xmin} la {xmax}, axa verticala de la {ymin} la {ymax}</source>
        <comment>Chart3</comment>
        <translation>{functia}; net input n3 = {n3}; output {iesire}; horizontal axis from {xmin} to {xmax}, vertical axis from {ymin} to {ymax}</translation>
    </message>
    <message>
        <source>Instructiuni</source>
        <comment>Memo1</comment>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Iesirea neuronului 1 (a1)</source>
        <comment>Edit1</comment>
        <translation>Output of neuron 1 (a1)</translation>
    </message>
    <message>
        <source>Iesirea neuronului 2 (a2)</source>
        <comment>Edit2</comment>
        <translation>Output of neuron 2 (a2)</translation>
    </message>
    <message>
        <source>{functia}; intrarea neta n2 = {n2}; iesirea a2 = {a2}; axa orizontala de la {xmin} la {xmax}, axa verticala de la {ymin} la {ymax}</source>
        <comment>Chart2</comment>
        <translation>{functia}; net input n2 = {n2}; output a2 = {a2}; horizontal axis from {xmin} to {xmax}, vertical axis from {ymin} to {ymax}</translation>
    </message>
    <message>
        <source>Functia de transfer a neuronului 2</source>
        <comment>Chart2</comment>
        <translation>Chart of the transfer function of neuron 2</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Calculul</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Inchide</source>
        <comment>BitBtn1</comment>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ajutor</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Inchide</source>
        <comment>BitBtn1</comment>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Fisierul %1 nu a putut fi scris (%2); nu a ramas nimic din el.</source>
        <comment>cannotWrite</comment>
        <translation>The file %1 could not be written (%2); nothing of it was left.</translation>
    </message>
    <message>
        <source>nume</source>
        <comment>copySaveName</comment>
        <translation>name</translation>
    </message>
    <message>
        <source>neuron</source>
        <comment>copySaveNeuron</comment>
        <translation>neuron</translation>
    </message>
    <message>
        <source>valoare</source>
        <comment>copySaveValue</comment>
        <translation>value</translation>
    </message>
    <message>
        <source>Lectia %1 nu poate fi citita: %2.</source>
        <comment>lessonCannotRead</comment>
        <translation>The lesson %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>Lectia %1 nu a putut fi salvata (%2); fisierul de dinainte a ramas neschimbat.</source>
        <comment>lessonCannotWrite</comment>
        <translation>The lesson %1 could not be saved (%2); the file that was there is unchanged.</translation>
    </message>
    <message>
        <source>o lista [ ... ] de nume</source>
        <comment>lessonExpectList</comment>
        <translation>a list [ ... ] of names</translation>
    </message>
    <message>
        <source>un numar</source>
        <comment>lessonExpectNumber</comment>
        <translation>a number</translation>
    </message>
    <message>
        <source>un obiect { ... }</source>
        <comment>lessonExpectObject</comment>
        <translation>an object { ... }</translation>
    </message>
    <message>
        <source>un text intre ghilimele</source>
        <comment>lessonExpectString</comment>
        <translation>a text in quotes</translation>
    </message>
    <message>
        <source>un text sau un obiect cu un text pe fiecare limba</source>
        <comment>lessonExpectText</comment>
        <translation>a text, or an object with one text per language</translation>
    </message>
    <message>
        <source>un numar intreg, cel putin 1</source>
        <comment>lessonExpectVersion</comment>
        <translation>a whole number, at least 1</translation>
    </message>
    <message>
        <source>Lectie RNA (*.rna)</source>
        <comment>lessonFilter</comment>
        <translation>RNA lesson (*.rna)</translation>
    </message>
    <message>
        <source>%1 este un dosar, nu o lectie.</source>
        <comment>lessonFolder</comment>
        <translation>%1 is a folder, not a lesson.</translation>
    </message>
    <message>
        <source>Blocat in aceasta lectie</source>
        <comment>lessonLocked</comment>
        <translation>Locked in this lesson</translation>
    </message>
    <message>
        <source>Lectia %1 a fost facuta de o versiune mai noua a programului (versiunea %2 a lectiilor); acest program citeste lectii pana la versiunea %3.</source>
        <comment>lessonNewerVersion</comment>
        <translation>The lesson %1 was made by a newer version of the program (lesson version %2); this program reads lessons up to version %3.</translation>
    </message>
    <message>
        <source>%1 nu este o lectie: ii lipseste &quot;format&quot;: &quot;rna-lesson&quot;.</source>
        <comment>lessonNotALesson</comment>
        <translation>%1 is not a lesson: it lacks &quot;format&quot;: &quot;rna-lesson&quot;.</translation>
    </message>
    <message>
        <source>Lectie</source>
        <comment>lessonNoteCaption</comment>
        <translation>Lesson</translation>
    </message>
    <message>
        <source>Lectia %1: %2 = %3 nu se poate alege pe cursor: valorile merg de la %4 la %5, din %6 in %6.</source>
        <comment>lessonOffSteps</comment>
        <translation>The lesson %1: %2 = %3 cannot be set on the slider: its values go from %4 to %5 in steps of %6.</translation>
    </message>
    <message>
        <source>Deschidere</source>
        <comment>lessonOpenAccept</comment>
        <translation>Open</translation>
    </message>
    <message>
        <source>Deschidere lectie</source>
        <comment>lessonOpenTitle</comment>
        <translation>Open a lesson</translation>
    </message>
    <message>
        <source>Salvare lectie</source>
        <comment>lessonSaveTitle</comment>
        <translation>Save the lesson</translation>
    </message>
    <message>
        <source>Lectia %1 nu este scrisa corect la linia %2, coloana %3: %4.</source>
        <comment>lessonSyntax</comment>
        <translation>The lesson %1 is not written correctly at line %2, column %3: %4.</translation>
    </message>
    <message>
        <source>Lectia %1 are mai mult de %2 niveluri de paranteze una in alta.</source>
        <comment>lessonTooDeep</comment>
        <translation>The lesson %1 nests brackets more than %2 deep.</translation>
    </message>
    <message>
        <source>Lectia %1 este prea mare: o lectie are cel mult %2 octeti.</source>
        <comment>lessonTooLarge</comment>
        <translation>The lesson %1 is too large: a lesson has at most %2 bytes.</translation>
    </message>
    <message>
        <source>Lectia %1: %2: &quot;%3&quot; nu este o functie cunoscuta (se asteapta una dintre: %4).</source>
        <comment>lessonUnknownFunction</comment>
        <translation>The lesson %1: %2: &quot;%3&quot; is not a known function (expected one of: %4).</translation>
    </message>
    <message>
        <source>Lectia %1: %2: &quot;%3&quot; nu este un nume al acestui ecran (se asteapta unul dintre: %4).</source>
        <comment>lessonUnknownName</comment>
        <translation>The lesson %1: %2: &quot;%3&quot; is not a name of this screen (expected one of: %4).</translation>
    </message>
    <message>
        <source>Lectia %1: %2 &quot;%3&quot; nu este un ecran cunoscut (se asteapta unul dintre: %4).</source>
        <comment>lessonUnknownScreen</comment>
        <translation>The lesson %1: %2 &quot;%3&quot; is not a known screen (expected one of: %4).</translation>
    </message>
    <message>
        <source>Lectia %1: %2 trebuie sa fie %3.</source>
        <comment>lessonWrongType</comment>
        <translation>The lesson %1: %2 must be %3.</translation>
    </message>
    <message>
        <source>Salvare</source>
        <comment>saveAccept</comment>
        <translation>Save</translation>
    </message>
    <message>
        <source>Nume fisier:</source>
        <comment>saveFileName</comment>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Tip fisier:</source>
        <comment>saveFileType</comment>
        <translation>File type:</translation>
    </message>
    <message>
        <source>Imagine PNG (*.png)</source>
        <comment>saveFilter</comment>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Dosar:</source>
        <comment>saveLookIn</comment>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>Renuntare</source>
        <comment>saveReject</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Salvare imagine si valori</source>
        <comment>saveTitle</comment>
        <translation>Save the picture and the values</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>neuron</source>
        <translation>neuron</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>w</source>
        <translation>w</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>functia</source>
        <translation>function</translation>
    </message>
    <message>
        <source>iesire</source>
        <translation>output</translation>
    </message>
    <message>
        <source>p1</source>
        <translation>p1</translation>
    </message>
    <message>
        <source>p2</source>
        <translation>p2</translation>
    </message>
    <message>
        <source>w1</source>
        <translation>w1</translation>
    </message>
    <message>
        <source>w2</source>
        <translation>w2</translation>
    </message>
    <message>
        <source>neuron1</source>
        <translation>neuron1</translation>
    </message>
    <message>
        <source>b1</source>
        <translation>b1</translation>
    </message>
    <message>
        <source>n1</source>
        <translation>n1</translation>
    </message>
    <message>
        <source>a1</source>
        <translation>a1</translation>
    </message>
    <message>
        <source>neuron2</source>
        <translation>neuron2</translation>
    </message>
    <message>
        <source>b2</source>
        <translation>b2</translation>
    </message>
    <message>
        <source>n2</source>
        <translation>n2</translation>
    </message>
    <message>
        <source>a2</source>
        <translation>a2</translation>
    </message>
    <message>
        <source>neuron3</source>
        <translation>neuron3</translation>
    </message>
    <message>
        <source>v1</source>
        <translation>v1</translation>
    </message>
    <message>
        <source>v2</source>
        <translation>v2</translation>
    </message>
    <message>
        <source>b3</source>
        <translation>b3</translation>
    </message>
    <message>
        <source>n3</source>
        <translation>n3</translation>
    </message>
</context>
</TS>
