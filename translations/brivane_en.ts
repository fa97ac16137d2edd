<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>brivane::EngineTexts</name>
    <message>
        <source>가속 시간의 설정값이 잘못되었습니다!</source>
        <translation>The acceleration time is set wrong!</translation>
    </message>
    <message>
        <source>최대 가속도의 설정값이 잘못되었습니다!</source>
        <translation>The peak acceleration is set wrong!</translation>
    </message>
    <message>
        <source>최대 속도의 설정값이 잘못되었습니다!</source>
        <translation>The peak velocity is set wrong!</translation>
    </message>
    <message>
        <source>부하 질량의 설정값이 잘못되었습니다!</source>
        <translation>The load mass is set wrong!</translation>
    </message>
    <message>
        <source>이동 거리의 설정값이 잘못되었습니다!</source>
        <translation>The stroke is set wrong!</translation>
    </message>
    <message>
        <source>마찰 계수의 설정값이 잘못되었습니다!</source>
        <translation>The friction coefficient is set wrong!</translation>
    </message>
    <message>
        <source>안전률의 설정값이 잘못되었습니다!</source>
        <translation>The safety factor is set wrong!</translation>
    </message>
    <message>
        <source>휴지 시간의 설정값이 잘못되었습니다!</source>
        <translation>The dwell time is set wrong!</translation>
    </message>
    <message>
        <source>사용률 허용치를 설정하여 주시기 바랍니다!</source>
        <translation>Please set the allowed duty ratios!</translation>
    </message>
    <message>
        <source>권장 사용률은 정격70%, 최대 80%입니다.</source>
        <translation>The recommended duty ratios are 70% rated and 80% peak.</translation>
    </message>
    <message>
        <source>해당 Motion을 만족하는 양측식 Motor가 없습니다.</source>
        <translation>No double-sided motor satisfies this motion.</translation>
    </message>
    <message>
        <source>해당 Motion을 만족하는 편측식 Motor가 없습니다.</source>
        <translation>No single-sided motor satisfies this motion.</translation>
    </message>
    <message>
        <source>해당 Motion을 만족하는 편측식 (Vela-Series) Motor가 없습니다.</source>
        <translation>No single-sided (Vela-Series) motor satisfies this motion.</translation>
    </message>
    <message>
        <source>Motor가 선택되지 않았습니다.</source>
        <translation>No motor is chosen.</translation>
    </message>
    <message>
        <source>최대 가속도 혹은 최대 속도 값이 잘못 되었으니 수정 바람.</source>
        <translation>The peak acceleration or the peak velocity is wrong; please correct it.</translation>
    </message>
    <message>
        <source>Motor 선정이 완료되지 않았습니다.</source>
        <translation>The motor selection is not complete.</translation>
    </message>
    <message>
        <source>양측식 (Coreless)</source>
        <translation>Double-sided (Coreless)</translation>
    </message>
    <message>
        <source>양측식</source>
        <translation>Double-sided</translation>
    </message>
    <message>
        <source>양측식-Coreless Type</source>
        <translation>Double-sided - Coreless Type</translation>
    </message>
    <message>
        <source>편측식 (Ironcore)</source>
        <translation>Single-sided (Ironcore)</translation>
    </message>
    <message>
        <source>편측식</source>
        <translation>Single-sided</translation>
    </message>
    <message>
        <source>편측식-Cored Type</source>
        <translation>Single-sided - Cored Type</translation>
    </message>
    <message>
        <source>편측식 (Vela-Series)</source>
        <translation>Single-sided (Vela-Series)</translation>
    </message>
    <message>
        <source>편측식 (Vela-Series) -Cored Type</source>
        <translation>Single-sided (Vela) - Cored Type</translation>
    </message>
    <message>
        <source>정격 추력[N]</source>
        <translation>Rated force[N]</translation>
    </message>
    <message>
        <source>최대 추력[N]</source>
        <translation>Peak force[N]</translation>
    </message>
    <message>
        <source>정격 전류[Arms]</source>
        <translation>Rated current[Arms]</translation>
    </message>
    <message>
        <source>최대 전류[Arms]</source>
        <translation>Peak current[Arms]</translation>
    </message>
    <message>
        <source>최대 전력[W]</source>
        <translation>Peak power[W]</translation>
    </message>
    <message>
        <source>Pole Pitch[mm]</source>
        <translation>Pole Pitch[mm]</translation>
    </message>
    <message>
        <source>토크 상수[N/Arms]</source>
        <translation>Force constant[N/Arms]</translation>
    </message>
    <message>
        <source>BEMF 상수[V/(m/sec)]</source>
        <translation>BEMF constant[V/(m/sec)]</translation>
    </message>
    <message>
        <source>모터 정수[N/W^½]</source>
        <translation>Motor constant[N/W^½]</translation>
    </message>
    <message>
        <source>전기적 시정수[msec]</source>
        <translation>Elec. time constant[msec]</translation>
    </message>
    <message>
        <source>선간 저항[Ω]</source>
        <translation>Line resistance[Ω]</translation>
    </message>
    <message>
        <source>선간 인덕턴스[mH]</source>
        <translation>Line inductance[mH]</translation>
    </message>
    <message>
        <source>가동부 질량[kg]</source>
        <translation>Mover mass[kg]</translation>
    </message>
    <message>
        <source>흡인력[N]</source>
        <translation>Attraction force[N]</translation>
    </message>
    <message>
        <source>평균 추력</source>
        <translation>RMS thrust</translation>
    </message>
    <message>
        <source>최대 추력</source>
        <translation>Peak thrust</translation>
    </message>
    <message>
        <source>가감속 시간</source>
        <translation>Ramp time</translation>
    </message>
    <message>
        <source>등속 시간</source>
        <translation>Constant-speed time</translation>
    </message>
    <message>
        <source>총 소요 시간</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>가감속 거리</source>
        <translation>Ramp distance</translation>
    </message>
    <message>
        <source>등속 거리</source>
        <translation>Constant-speed distance</translation>
    </message>
    <message>
        <source>총 이동거리</source>
        <translation>Total distance</translation>
    </message>
    <message>
        <source>주위온도</source>
        <translation>Ambient</translation>
    </message>
    <message>
        <source>코일부온도</source>
        <translation>Coil</translation>
    </message>
    <message>
        <source>설치 폴더에서 -저장시간(사용자닉네임).xls- 파일을 확인 하시기 바랍니다.
%1</source>
        <translation>Please find the file -save time(nickname).xls- in the installation folder.
%1</translation>
    </message>
    <message>
        <source>File Open Error!</source>
        <translation>File Open Error!</translation>
    </message>
    <message>
        <source>File Write Error!</source>
        <translation>File Write Error!</translation>
    </message>
    <message>
        <source>사용자 닉네임에 보고서 파일의 한글 코드(CP949)로 쓸 수 없는 문자가 있어 저장하지 않았습니다. 닉네임을 바꾸어 주시기 바랍니다.</source>
        <translation>Nothing was saved: the nickname holds a character that the Korean encoding of the report file (CP949) cannot hold. Please change the nickname.</translation>
    </message>
    <message>
        <source>사용자 닉네임의 &quot;%1&quot; 문자는 보고서 파일의 한글 코드(CP949)로 쓸 수 없어 저장하지 않았습니다. 닉네임을 바꾸어 주시기 바랍니다.</source>
        <translation>Nothing was saved: the character &quot;%1&quot; of the nickname cannot be written in the Korean encoding of the report file (CP949). Please change the nickname.</translation>
    </message>
    <message>
        <source>모델</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>시리즈</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>판정</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>정격 사용률(%)</source>
        <translation>Rated duty(%)</translation>
    </message>
    <message>
        <source>최대 사용률(%)</source>
        <translation>Peak duty(%)</translation>
    </message>
    <message>
        <source>정격 여유(%)</source>
        <translation>Rated margin(%)</translation>
    </message>
    <message>
        <source>최대 여유(%)</source>
        <translation>Peak margin(%)</translation>
    </message>
    <message>
        <source>코일부온도(℃)</source>
        <translation>Coil temp.(℃)</translation>
    </message>
    <message>
        <source>허용 부하(kg)</source>
        <translation>Load headroom(kg)</translation>
    </message>
    <message>
        <source>최대 전류(Arms)</source>
        <translation>Peak current(Arms)</translation>
    </message>
    <message>
        <source>실효 전류(Arms)</source>
        <translation>RMS current(Arms)</translation>
    </message>
    <message>
        <source>최대 전류비(%)</source>
        <translation>Peak current ratio(%)</translation>
    </message>
    <message>
        <source>정격 전류비(%)</source>
        <translation>Rated current ratio(%)</translation>
    </message>
    <message>
        <source>역기전력(V)</source>
        <translation>Back EMF(V)</translation>
    </message>
    <message>
        <source>동손(W)</source>
        <translation>Copper loss(W)</translation>
    </message>
    <message>
        <source>선정</source>
        <translation>selected</translation>
    </message>
    <message>
        <source>적합</source>
        <translation>fits</translation>
    </message>
    <message>
        <source>부적합</source>
        <translation>does not fit</translation>
    </message>
    <message>
        <source>3000 or more</source>
        <translation>3000 or more</translation>
    </message>
    <message>
        <source>사용자 모터</source>
        <translation>Your own motors</translation>
    </message>
    <message>
        <source>사용자 닉네임에 줄바꿈이나 탭 같은 제어 문자가 있어 저장하지 않았습니다. 닉네임을 바꾸어 주시기 바랍니다.</source>
        <translation>Nothing was saved: the nickname holds a control character such as a line feed or a tab. Please change the nickname.</translation>
    </message>
    <message>
        <source>가속도 %1 g, 가속 시간 %2 msec, 허용 사용률 정격 %3%, 최대 %4%</source>
        <translation>Accel. %1 g, accel. time %2 msec, allowed duty rated %3%, peak %4%</translation>
    </message>
    <message>
        <source>허용 사용률 정격 %1%, 최대 %2%</source>
        <translation>Allowed duty rated %1%, peak %2%</translation>
    </message>
    <message>
        <source>정격 사용률</source>
        <translation>Rated duty</translation>
    </message>
    <message>
        <source>최대 사용률</source>
        <translation>Peak duty</translation>
    </message>
    <message>
        <source>이동 거리가 짧아 최대 속도에 이르지 못합니다: 사용률은 이 축이 낼 수 없는 속도 프로파일(음의 등속 시간)로 계산한 값입니다.</source>
        <translation>The stroke is too short to reach the peak velocity: the duty ratios are rated for a profile the axis cannot run (a negative constant-velocity time).</translation>
    </message>
    <message>
        <source>적합한 모델 없음</source>
        <translation>no model fits</translation>
    </message>
    <message>
        <source>온도 판정</source>
        <translation>Coil temp. verdict</translation>
    </message>
    <message>
        <source> ℃ 이하</source>
        <translation> ℃ or below</translation>
    </message>
    <message>
        <source> ℃ 초과</source>
        <translation> ℃ exceeded</translation>
    </message>
    <message>
        <source>사이클에 구간이 없습니다.</source>
        <translation>The cycle has no segment.</translation>
    </message>
    <message>
        <source>사이클의 구간이 너무 많습니다: %3개 (최대 10000개).</source>
        <translation>The cycle has too many segments: %3 (at most 10000).</translation>
    </message>
    <message>
        <source>축 설정의 %2 값(%3)이 허용 범위를 벗어났습니다: %4</source>
        <translation>Axis: %2 %3 is out of range: %4</translation>
    </message>
    <message>
        <source>%1번 구간의 %2 값(%3)이 허용 범위를 벗어났습니다: %4</source>
        <translation>Segment %1: %2 %3 is out of range: %4</translation>
    </message>
    <message>
        <source>축이 시작 위치로 돌아오지 않습니다: 한 사이클에 %3 mm 이동합니다.</source>
        <translation>The axis does not return to its start: one cycle moves it %3 mm.</translation>
    </message>
    <message>
        <source>%1번 구간에는 등속 구간이 없어, 등속 중에만 작용하는 공정력(force)이 작용하지 않습니다.</source>
        <translation>Segment %1 has no constant-velocity phase: its process force, which acts only at constant velocity, never acts.</translation>
    </message>
    <message>
        <source>구간</source>
        <translation>Segment</translation>
    </message>
    <message>
        <source>종류</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>프로파일</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>이동 거리(mm)</source>
        <translation>Distance(mm)</translation>
    </message>
    <message>
        <source>시간(s)</source>
        <translation>Time(s)</translation>
    </message>
    <message>
        <source>최고 속도(m/s)</source>
        <translation>Peak velocity(m/s)</translation>
    </message>
    <message>
        <source>평균 추력(N)</source>
        <translation>RMS thrust(N)</translation>
    </message>
    <message>
        <source>최대 추력(N)</source>
        <translation>Peak thrust(N)</translation>
    </message>
    <message>
        <source>추가 질량(kg)</source>
        <translation>Payload headroom(kg)</translation>
    </message>
    <message>
        <source>사이클 시간 %1 s, 순 이동 %2 mm</source>
        <translation>Cycle time %1 s, net displacement %2 mm</translation>
    </message>
    <message>
        <source>드라이브 설정의 %2 값(%3)이 허용 범위를 벗어났습니다: %4</source>
        <translation>Drive: %2 %3 is out of range: %4</translation>
    </message>
    <message>
        <source>미확인</source>
        <translation>not checked</translation>
    </message>
    <message>
        <source>통과</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>실패</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>전압 부족</source>
        <translation>bus voltage too low</translation>
    </message>
    <message>
        <source>최대 전류 초과</source>
        <translation>peak current too high</translation>
    </message>
    <message>
        <source>연속 전류 초과</source>
        <translation>continuous current too high</translation>
    </message>
    <message>
        <source>코일 온도 초과</source>
        <translation>coil too hot</translation>
    </message>
    <message>
        <source>필요 전압(V)</source>
        <translation>Bus voltage needed(V)</translation>
    </message>
    <message>
        <source>전압 확인</source>
        <translation>Voltage check</translation>
    </message>
    <message>
        <source>무부하 최고 속도(m/s)</source>
        <translation>Top speed(m/s)</translation>
    </message>
    <message>
        <source>드라이브: 버스 전압 %1, 최대 전류 %2, 연속 전류 %3</source>
        <translation>Drive: bus voltage %1, peak current %2, continuous current %3</translation>
    </message>
    <message>
        <source>모델 %1, 버스 전압 %2 V, 권선 온도 %3 ℃</source>
        <translation>Model %1, bus voltage %2 V, winding at %3 ℃</translation>
    </message>
    <message>
        <source>무부하 최고 속도 %1 m/s</source>
        <translation>Top speed without load %1 m/s</translation>
    </message>
    <message>
        <source>%1 %2 N: %3 m/s까지</source>
        <translation>%1 %2 N: up to %3 m/s</translation>
    </message>
    <message>
        <source>%1 %2 N: 이 버스 전압으로는 정지 상태에서도 낼 수 없음</source>
        <translation>%1 %2 N: not even at standstill on this bus</translation>
    </message>
    <message>
        <source>최대 전류 확인</source>
        <translation>Peak current check</translation>
    </message>
    <message>
        <source>연속 전류 확인</source>
        <translation>Continuous current check</translation>
    </message>
    <message>
        <source>공급 에너지(J)</source>
        <translation>Energy in(J)</translation>
    </message>
    <message>
        <source>회생 에너지(J)</source>
        <translation>Energy returned(J)</translation>
    </message>
    <message>
        <source>최대 회생 전력(W)</source>
        <translation>Peak returned power(W)</translation>
    </message>
    <message>
        <source>정격 추력</source>
        <translation>Rated thrust</translation>
    </message>
    <message>
        <source>속도(m/s)</source>
        <translation>Speed(m/s)</translation>
    </message>
    <message>
        <source>연속 추력(N)</source>
        <translation>Continuous thrust(N)</translation>
    </message>
    <message>
        <source>수가 아닙니다</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>경사각</source>
        <translation>Inclination</translation>
    </message>
    <message>
        <source>마찰 계수</source>
        <translation>Friction coefficient</translation>
    </message>
    <message>
        <source>이동 저항력</source>
        <translation>Drag force</translation>
    </message>
    <message>
        <source>추가 가동 질량</source>
        <translation>Extra moving mass</translation>
    </message>
    <message>
        <source>카운터밸런스 힘</source>
        <translation>Counterbalance force</translation>
    </message>
    <message>
        <source>안전율</source>
        <translation>Safety factor</translation>
    </message>
    <message>
        <source>버스 전압</source>
        <translation>Bus voltage</translation>
    </message>
    <message>
        <source>드라이브 최대 전류</source>
        <translation>Drive peak current</translation>
    </message>
    <message>
        <source>드라이브 연속 전류</source>
        <translation>Drive continuous current</translation>
    </message>
    <message>
        <source>이동 거리</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>속도</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>가속도</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>감속도</source>
        <translation>Deceleration</translation>
    </message>
    <message>
        <source>저크</source>
        <translation>Jerk</translation>
    </message>
    <message>
        <source>휴지 시간</source>
        <translation>Dwell time</translation>
    </message>
    <message>
        <source>부하 질량</source>
        <translation>Payload</translation>
    </message>
    <message>
        <source>공정력</source>
        <translation>Process force</translation>
    </message>
    <message>
        <source>이동</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>휴지</source>
        <translation>Dwell</translation>
    </message>
    <message>
        <source>이동 전체</source>
        <translation>Whole move</translation>
    </message>
    <message>
        <source>등속 중</source>
        <translation>At constant velocity</translation>
    </message>
    <message>
        <source>공정력 작용</source>
        <translation>Force acts</translation>
    </message>
    <message>
        <source>정격 사용률 허용치</source>
        <translation>Allowed rated duty</translation>
    </message>
    <message>
        <source>최대 사용률 허용치</source>
        <translation>Allowed peak duty</translation>
    </message>
</context>
<context>
    <name>brivane::ui::AppSetup</name>
    <message>
        <source>설정 파일을 읽지 않습니다: %1</source>
        <translation>Not reading the settings file %1</translation>
    </message>
    <message>
        <source>이번 실행에서는 최근 파일, 창의 크기와 위치, 폴더, 언어를 기억하지 않습니다.</source>
        <translation>This run remembers no recent files, window size and place, folder or language.</translation>
    </message>
</context>
<context>
    <name>brivane::ui::AxisPdf</name>
    <message>
        <source>축과 드라이브</source>
        <translation>Axis and drive</translation>
    </message>
    <message>
        <source>없음(확인하지 않음)</source>
        <translation>none (not checked)</translation>
    </message>
    <message>
        <source>구간</source>
        <translation>Segments</translation>
    </message>
    <message>
        <source>사용률 적합 모델의 판정</source>
        <translation>Verdicts of the models that fit the duty</translation>
    </message>
    <message>
        <source>사용률 한계에 맞는 모델이 없습니다.</source>
        <translation>No model fits the duty limits.</translation>
    </message>
    <message>
        <source>선택한 모델: %1</source>
        <translation>Chosen model: %1</translation>
    </message>
    <message>
        <source>위치</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>속도</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>추력</source>
        <translation>Thrust</translation>
    </message>
    <message>
        <source>사이클의 위치, 속도, 추력</source>
        <translation>Position, velocity and thrust over the cycle</translation>
    </message>
    <message>
        <source>추력-속도 평면</source>
        <translation>Force-speed plane</translation>
    </message>
    <message>
        <source>작성일: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>PDF 파일을 쓸 수 없습니다: %1
%2</source>
        <translation>Cannot write the PDF file: %1
%2</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CAboutDlg</name>
    <message>
        <source>Brivane 정보</source>
        <translation>About Brivane</translation>
    </message>
    <message>
        <source>Brivane 버전 3.0</source>
        <translation>Brivane version 3.0</translation>
    </message>
    <message>
        <source>Brivane %1</source>
        <translation>Brivane %1</translation>
    </message>
    <message>
        <source> 본 프로그램은 정해진 Motion Profile에 대응하는        Dalmer의 Linear Motor의 선정이 가능합니다.           또한, 해당 Motion Profile에 대해 Dalmer의 특정       Linear Motor가 가지는 사용율을 계산할 수 있습니다.</source>
        <translation> This program selects the Dalmer Linear Motor that            suits a given Motion Profile. It also calculates            the duty ratio that a given Dalmer Linear Motor            reaches for that Motion Profile.</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CAxisFieldsPanel</name>
    <message>
        <source>축</source>
        <translation>Axis</translation>
    </message>
    <message>
        <source>드라이브</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>환경과 허용치</source>
        <translation>Ambient and limits</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CAxisPlotsPane</name>
    <message>
        <source>그래프의 모델</source>
        <translation>Model of the plots</translation>
    </message>
    <message>
        <source>위치</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>속도</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>추력</source>
        <translation>Thrust</translation>
    </message>
    <message>
        <source>그래프: 모델 없음</source>
        <translation>Plots: no model</translation>
    </message>
    <message>
        <source>그래프: %1, 버스 전압 %2 V, 권선 온도 %3 ℃</source>
        <translation>Plots: %1, bus voltage %2 V, winding temperature %3 ℃</translation>
    </message>
    <message>
        <source>그래프: %1, 버스 전압 없음(추력 한계만), 권선 온도 %2 ℃</source>
        <translation>Plots: %1, no bus voltage (force limits only), winding temperature %2 ℃</translation>
    </message>
    <message>
        <source>구간 %1, %2 s
위치 %3 mm
속도 %4 m/s
추력 %5 N</source>
        <translation>Segment %1, %2 s
Position %3 mm
Velocity %4 m/s
Thrust %5 N</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CAxisResultsPane</name>
    <message>
        <source>시리즈(&amp;S)</source>
        <translation>&amp;Series</translation>
    </message>
    <message>
        <source>시리즈</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>사용률 적합 모델만(&amp;F)</source>
        <translation>Only models that &amp;fit the duty</translation>
    </message>
    <message>
        <source>사용률 적합 모델만</source>
        <translation>Only models that fit the duty</translation>
    </message>
    <message>
        <source>계산 조건</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>모델별 결과</source>
        <translation>Results by model</translation>
    </message>
    <message>
        <source>전체</source>
        <translation>All</translation>
    </message>
    <message>
        <source>사이클 시간 %1 s, 순 이동 %2 mm, 정격 사용률 한계 %3%, 최대 사용률 한계 %4%</source>
        <translation>Cycle time %1 s, net travel %2 mm, rated duty limit %3%, peak duty limit %4%</translation>
    </message>
    <message>
        <source>모델 %1개 중 사용률 적합 %2개, 확인을 모두 통과 %3개</source>
        <translation>Of %1 models, %2 fit the duty and %3 pass every check</translation>
    </message>
    <message>
        <source>받아들이지 않은 값 %1개(빨간 칸): 마지막으로 받아들인 값으로 계산합니다.</source>
        <translation>%1 value(s) not accepted (red cells): rated at the last value accepted.</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CAxisWindow</name>
    <message>
        <source>%1에서 %2까지 5 간격</source>
        <translation>%1 to %2 in steps of 5</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>모든 수 (%1)</source>
        <translation>Any number (%1)</translation>
    </message>
    <message>
        <source>비워 두면 확인하지 않습니다.</source>
        <translation>Left empty, the check is not made.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>축 설계</source>
        <translation>Axis design</translation>
    </message>
    <message>
        <source>파일(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>파일</source>
        <translation>File</translation>
    </message>
    <message>
        <source>새 사이클</source>
        <translation>New cycle</translation>
    </message>
    <message>
        <source>열기…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>다른 이름으로 저장…</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <source>닫기</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>구간 %1</source>
        <translation>Segment %1</translation>
    </message>
    <message>
        <source>PDF로 내보내기…</source>
        <translation>Export PDF…</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CBrivaneView</name>
    <message>
        <source>숫자를 입력하십시오.</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>정수를 입력하십시오.</source>
        <translation>Please enter a whole number.</translation>
    </message>
    <message>
        <source>모터 선정 ProFile</source>
        <translation>Motor Selection ProFile</translation>
    </message>
    <message>
        <source>부하 질량</source>
        <translation>Load mass</translation>
    </message>
    <message>
        <source>이동 거리</source>
        <translation>Stroke</translation>
    </message>
    <message>
        <source>최대 가속도</source>
        <translation>Peak accel.</translation>
    </message>
    <message>
        <source>최대 속도</source>
        <translation>Peak velocity</translation>
    </message>
    <message>
        <source>휴지 시간</source>
        <translation>Dwell time</translation>
    </message>
    <message>
        <source>마찰 계수</source>
        <translation>Friction coeff.</translation>
    </message>
    <message>
        <source>안전율</source>
        <translation>Safety factor</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>가속도(g)</source>
        <translation>Accel. (g)</translation>
    </message>
    <message>
        <source>가속 시간(msec)</source>
        <translation>Accel. time (msec)</translation>
    </message>
    <message>
        <source>m/sec</source>
        <translation>m/sec</translation>
    </message>
    <message>
        <source>msec</source>
        <translation>msec</translation>
    </message>
    <message>
        <source>수평설치 0.05, 벽면설치 0.1</source>
        <translation>Horizontal 0.05, wall mount 0.1</translation>
    </message>
    <message>
        <source>안  전  율</source>
        <translation>Safety factor</translation>
    </message>
    <message>
        <source>사용률 허용치(정격)</source>
        <translation>Allowed duty (rated)</translation>
    </message>
    <message>
        <source>사용률 허용치(최대)</source>
        <translation>Allowed duty (peak)</translation>
    </message>
    <message>
        <source>Linear Motor 선정</source>
        <translation>Select Linear Motor</translation>
    </message>
    <message>
        <source>Data초기화</source>
        <translation>Reset Data</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <translation>Motor Type</translation>
    </message>
    <message>
        <source>%1급</source>
        <translation>Class %1</translation>
    </message>
    <message>
        <source>모터 선정 결과</source>
        <translation>Motor Selection Result</translation>
    </message>
    <message>
        <source>정격 사용률(%)</source>
        <translation>Rated duty(%)</translation>
    </message>
    <message>
        <source>최대 사용률(%)</source>
        <translation>Peak duty(%)</translation>
    </message>
    <message>
        <source>정격 사용률(%) </source>
        <translation>Rated duty(%) </translation>
    </message>
    <message>
        <source>최대 사용률(%) </source>
        <translation>Peak duty(%) </translation>
    </message>
    <message>
        <source>부하 분석 DATA</source>
        <translation>Load Analysis DATA</translation>
    </message>
    <message>
        <source>적용 Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>사용률 계산</source>
        <translation>Calculate duty</translation>
    </message>
    <message>
        <source>온 도</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>90도 이하 사용할 것</source>
        <translation>Keep at 90 degrees or below</translation>
    </message>
    <message>
        <source>Motor Profile</source>
        <translation>Motor Profile</translation>
    </message>
    <message>
        <source>가속</source>
        <translation>Accel.</translation>
    </message>
    <message>
        <source>등속</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>감속</source>
        <translation>Decel.</translation>
    </message>
    <message>
        <source>휴지</source>
        <translation>Dwell</translation>
    </message>
    <message>
        <source>선정모터 사양보기</source>
        <translation>View motor specs</translation>
    </message>
    <message>
        <source>결과 저장</source>
        <translation>Save result</translation>
    </message>
    <message>
        <source>90도를 넘습니다</source>
        <translation>Above 90 degrees</translation>
    </message>
    <message>
        <source>부하 질량 [kg]: 0 초과 %1 이하</source>
        <translation>Load mass [kg]: above 0, at most %1</translation>
    </message>
    <message>
        <source>이동 거리 [mm]: 0 초과 %1 이하의 정수</source>
        <translation>Stroke [mm]: a whole number above 0, at most %1</translation>
    </message>
    <message>
        <source>가속도(g): 0 초과 %1 이하
가속 시간(msec): 선정은 %2 이상, 사용률 계산은 0 초과</source>
        <translation>Acceleration (g): above 0, at most %1
Acceleration time (msec): at least %2 for the selection, above 0 for the duty calculation</translation>
    </message>
    <message>
        <source>최대 속도 [m/sec]: 0 초과 %1 이하</source>
        <translation>Peak velocity [m/sec]: above 0, at most %1</translation>
    </message>
    <message>
        <source>휴지 시간 [msec]: 0 이상 %1 이하</source>
        <translation>Dwell time [msec]: 0 to %1</translation>
    </message>
    <message>
        <source>마찰 계수 (단위 없음): 0 이상 %1 이하</source>
        <translation>Friction coefficient (no unit): 0 to %1</translation>
    </message>
    <message>
        <source>안전율 (단위 없음): %1 이상 %2 이하, 최대 사용률에만 곱합니다</source>
        <translation>Safety factor (no unit): %1 to %2, applied to the peak duty only</translation>
    </message>
    <message>
        <source>[%]: %1에서 %2까지 5 간격, 목록에서 고르거나 &quot;30&quot;, &quot;30%&quot;처럼 입력</source>
        <translation>[%]: %1 to %2 in steps of 5; pick from the list or type e.g. &quot;30&quot; or &quot;30%&quot;</translation>
    </message>
    <message>
        <source>정격 사용률 허용치 </source>
        <translation>Allowed rated duty </translation>
    </message>
    <message>
        <source>최대 사용률 허용치 </source>
        <translation>Allowed peak duty </translation>
    </message>
    <message>
        <source>사용률을 계산할 모델</source>
        <translation>The model whose duty is calculated</translation>
    </message>
    <message>
        <source>주위온도 [℃]: 숫자, 숫자가 아닌 글은 0으로 읽습니다</source>
        <translation>Ambient temperature [℃]: a number; text that is not a number reads as 0</translation>
    </message>
    <message>
        <source>선정모터 사양보기가 이 시리즈의 사양서를 엽니다</source>
        <translation>View motor specs opens the data sheet of this series</translation>
    </message>
    <message>
        <source>후보 비교</source>
        <translation>Compare candidates</translation>
    </message>
    <message>
        <source>축 설계</source>
        <translation>Axis design</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CChartViewer</name>
    <message>
        <source>Time (ms)</source>
        <translation>Time (ms)</translation>
    </message>
    <message>
        <source>Velocity (m/s)</source>
        <translation>Velocity (m/s)</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CComparisonWindow</name>
    <message>
        <source>후보 비교</source>
        <translation>Candidate comparison</translation>
    </message>
    <message>
        <source>시리즈</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>전체</source>
        <translation>All</translation>
    </message>
    <message>
        <source>선정 가능 모델만</source>
        <translation>Fitting models only</translation>
    </message>
    <message>
        <source>CSV로 저장…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>비교 조건</source>
        <translation>Comparison conditions</translation>
    </message>
    <message>
        <source>후보 모델</source>
        <translation>Candidate models</translation>
    </message>
    <message>
        <source>정격 사용률 한계 %1%, 최대 사용률 한계 %2%</source>
        <translation>Rated duty limit %1%, peak duty limit %2%</translation>
    </message>
    <message>
        <source>CSV로 저장</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>후보 비교.csv</source>
        <translation>candidates.csv</translation>
    </message>
    <message>
        <source>CSV 파일 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>CSV 파일을 저장하지 못했습니다: %1
%2</source>
        <translation>Could not save the CSV file: %1
%2</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CCycleDocument</name>
    <message>
        <source>JSON 텍스트가 아닙니다</source>
        <translation>not JSON text</translation>
    </message>
    <message>
        <source>같은 키가 두 번 있습니다</source>
        <translation>a key is given twice</translation>
    </message>
    <message>
        <source>Brivane 사이클 파일이 아닙니다</source>
        <translation>not a Brivane cycle file</translation>
    </message>
    <message>
        <source>이 프로그램보다 새로운 버전의 파일입니다</source>
        <translation>a file of a newer version than this program</translation>
    </message>
    <message>
        <source>필드가 없습니다</source>
        <translation>field missing</translation>
    </message>
    <message>
        <source>값의 형식이 맞지 않습니다</source>
        <translation>value of the wrong type</translation>
    </message>
    <message>
        <source>유한한 수가 아닙니다</source>
        <translation>not a finite number</translation>
    </message>
    <message>
        <source>허용되지 않는 값입니다</source>
        <translation>value not allowed</translation>
    </message>
    <message>
        <source>Brivane 사이클 파일 (*.brivane-cycle)</source>
        <translation>Brivane cycle files (*.brivane-cycle)</translation>
    </message>
    <message>
        <source>새 사이클</source>
        <translation>New cycle</translation>
    </message>
    <message>
        <source>파일을 열 수 없습니다: %1
%2</source>
        <translation>Cannot open the file: %1
%2</translation>
    </message>
    <message>
        <source>필드 &quot;%1&quot;: %2</source>
        <translation>field &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>사이클 파일을 열 수 없습니다: %1
%2</source>
        <translation>Cannot open the cycle file: %1
%2</translation>
    </message>
    <message>
        <source>받아들이지 않은 값이 %1개 있습니다(빨간 칸). 고친 뒤에 저장하십시오.</source>
        <translation>%1 value(s) are not accepted (red cells). Correct them, then save.</translation>
    </message>
    <message>
        <source>파일을 저장할 수 없습니다: %1
%2</source>
        <translation>Cannot save the file: %1
%2</translation>
    </message>
    <message>
        <source>축 설계</source>
        <translation>Axis design</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CDocumentFile</name>
    <message>
        <source>열기</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>;;모든 파일 (*)</source>
        <translation>;;All files (*)</translation>
    </message>
    <message>
        <source>다른 이름으로 저장</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>%1의 변경 내용을 저장하시겠습니까?</source>
        <translation>Save the changes to %1?</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>PDF로 내보내기</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDF 문서 (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CFileMenu</name>
    <message>
        <source>파일(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>파일</source>
        <translation>File</translation>
    </message>
    <message>
        <source>새 이동</source>
        <translation>New move</translation>
    </message>
    <message>
        <source>열기…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>다른 이름으로 저장…</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <source>PDF로 내보내기…</source>
        <translation>Export PDF…</translation>
    </message>
    <message>
        <source>끝내기</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>모터 목록…</source>
        <translation>Motor catalogs…</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CForceSpeedChart</name>
    <message>
        <source>추력-속도 평면</source>
        <translation>Force-speed plane</translation>
    </message>
    <message>
        <source>최대 추력 포락선</source>
        <translation>Peak force envelope</translation>
    </message>
    <message>
        <source>연속 추력 포락선</source>
        <translation>Continuous force envelope</translation>
    </message>
    <message>
        <source>운전점</source>
        <translation>Operating points</translation>
    </message>
    <message>
        <source>포락선 밖</source>
        <translation>Beyond the envelope</translation>
    </message>
    <message>
        <source>RMS 점</source>
        <translation>RMS point</translation>
    </message>
    <message>
        <source>속도 (m/s)</source>
        <translation>Speed (m/s)</translation>
    </message>
    <message>
        <source>추력 (N)</source>
        <translation>Force (N)</translation>
    </message>
    <message>
        <source>%1
속도 %2 m/s, 추력 %3 N</source>
        <translation>%1
Speed %2 m/s, force %3 N</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CMainFrame</name>
    <message>
        <source>Dalmer Linear Motor 선정 2020 Ver3.3</source>
        <translation>Dalmer Linear Motor Selection 2020 Ver3.3</translation>
    </message>
    <message>
        <source>보기(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>상태 표시줄(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>상태 표시줄을 표시하거나 감춥니다</source>
        <translation>Shows or hides the status bar</translation>
    </message>
    <message>
        <source>상태 표시줄 전환</source>
        <translation>Toggle status bar</translation>
    </message>
    <message>
        <source>프로그램 정보</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Brivane 정보(&amp;A)...</source>
        <translation>&amp;About Brivane...</translation>
    </message>
    <message>
        <source>프로그램 정보와 버전 정보, 저작권 정보를 표시합니다</source>
        <translation>Shows the program, version and copyright information</translation>
    </message>
    <message>
        <source>정보</source>
        <translation>About</translation>
    </message>
    <message>
        <source>감사합니다.</source>
        <translation>Thank you.</translation>
    </message>
    <message>
        <source>입력이 바뀌었습니다: 흐린 결과는 다시 계산할 때까지 이전 입력의 것입니다</source>
        <translation>The inputs have changed: the greyed results belong to the previous inputs until you calculate again</translation>
    </message>
    <message>
        <source>후보 비교(&amp;C)...</source>
        <translation>&amp;Compare candidates...</translation>
    </message>
    <message>
        <source>모든 모델의 사용률과 여유를 표로 비교합니다</source>
        <translation>Compares the duty ratios and margins of all models in a table</translation>
    </message>
    <message>
        <source>후보 비교</source>
        <translation>Compare candidates</translation>
    </message>
    <message>
        <source>축 설계(&amp;X)...</source>
        <translation>A&amp;xis Design...</translation>
    </message>
    <message>
        <source>이동과 휴지의 사이클로 축을 설계하고 모든 모델을 평가합니다</source>
        <translation>Designs an axis with a cycle of moves and dwells and rates every model</translation>
    </message>
    <message>
        <source>축 설계</source>
        <translation>Axis design</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CMotorCatalogsDlg</name>
    <message>
        <source>모터 목록</source>
        <translation>Motor catalogs</translation>
    </message>
    <message>
        <source>모터 목록 파일</source>
        <translation>Motor catalog files</translation>
    </message>
    <message>
        <source>파일</source>
        <translation>File</translation>
    </message>
    <message>
        <source>상태</source>
        <translation>State</translation>
    </message>
    <message>
        <source>추가…</source>
        <translation>Add…</translation>
    </message>
    <message>
        <source>제거</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>모터 목록 추가</source>
        <translation>Add a motor catalog</translation>
    </message>
    <message>
        <source>모터 목록 (*.brivane-motors *.csv);;모든 파일 (*)</source>
        <translation>Motor catalogs (*.brivane-motors *.csv);;All files (*)</translation>
    </message>
    <message>
        <source>이 파일들의 모터는 후보 비교에서 내장 모델 다음에 따로 묶여 나옵니다. 적용 Model, 선정과 보고서는 내장 모델만 씁니다.</source>
        <translation>The motors of these files appear in the candidate comparison as a group of their own after the built-in models. The Model list, the selection and the report use the built-in models only.</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CMotorSpecSheet</name>
    <message>
        <source>Motor Specification</source>
        <translation>Motor Specification</translation>
    </message>
    <message>
        <source>모델명</source>
        <translation>Model name</translation>
    </message>
    <message>
        <source>정격 사용율</source>
        <translation>Rated duty</translation>
    </message>
    <message>
        <source>최대 사용율</source>
        <translation>Peak duty</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>100%를 넘습니다</source>
        <translation>Above 100%</translation>
    </message>
    <message>
        <source>사용률 허용치 이상입니다</source>
        <translation>At or above the allowed duty</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CMoveDocument</name>
    <message>
        <source>새 이동</source>
        <translation>New move</translation>
    </message>
    <message>
        <source>JSON 텍스트가 아닙니다</source>
        <translation>it is not JSON text</translation>
    </message>
    <message>
        <source>Brivane 이동 파일이 아닙니다</source>
        <translation>it is not a Brivane move file</translation>
    </message>
    <message>
        <source>이 프로그램보다 새로운 버전의 파일입니다</source>
        <translation>the file is of a newer version than this program</translation>
    </message>
    <message>
        <source>필드가 없습니다</source>
        <translation>the field is missing</translation>
    </message>
    <message>
        <source>값의 형식이 맞지 않습니다</source>
        <translation>the value has the wrong type</translation>
    </message>
    <message>
        <source>유한한 수가 아닙니다</source>
        <translation>it is not a finite number</translation>
    </message>
    <message>
        <source>허용되지 않는 값입니다</source>
        <translation>the value is not allowed</translation>
    </message>
    <message>
        <source>파일을 열 수 없습니다: %1
%2</source>
        <translation>Cannot open the file: %1
%2</translation>
    </message>
    <message>
        <source>필드 &quot;%1&quot;: %2</source>
        <translation>field &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>이동 파일을 열 수 없습니다: %1
%2</source>
        <translation>Cannot open the move file: %1
%2</translation>
    </message>
    <message>
        <source>Brivane 이동 파일 (*.brivane)</source>
        <translation>Brivane move files (*.brivane)</translation>
    </message>
    <message>
        <source>파일을 저장할 수 없습니다: %1
%2</source>
        <translation>Cannot save the file: %1
%2</translation>
    </message>
    <message>
        <source>같은 키가 두 번 있습니다</source>
        <translation>a key is given twice</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CSaveDataDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Save result</translation>
    </message>
    <message>
        <source>%1 Motor 사양 포함</source>
        <translation>Include %1</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>사용자 닉네임</source>
        <translation>Nickname</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CSegmentEditor</name>
    <message>
        <source>구간</source>
        <translation>Segments</translation>
    </message>
    <message>
        <source>추가(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>현재 구간 뒤에 새 이동 구간을 넣습니다</source>
        <translation>Inserts a new move after the current segment</translation>
    </message>
    <message>
        <source>복제(&amp;D)</source>
        <translation>&amp;Duplicate</translation>
    </message>
    <message>
        <source>현재 구간을 복제합니다</source>
        <translation>Duplicates the current segment</translation>
    </message>
    <message>
        <source>삭제(&amp;R)</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>현재 구간을 지웁니다</source>
        <translation>Removes the current segment</translation>
    </message>
    <message>
        <source>위로(&amp;U)</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <source>현재 구간을 앞으로 옮깁니다</source>
        <translation>Moves the current segment up</translation>
    </message>
    <message>
        <source>아래로(&amp;W)</source>
        <translation>Do&amp;wn</translation>
    </message>
    <message>
        <source>현재 구간을 뒤로 옮깁니다</source>
        <translation>Moves the current segment down</translation>
    </message>
    <message>
        <source>가속도 단위(&amp;G)</source>
        <translation>Acceleration unit (&amp;G)</translation>
    </message>
    <message>
        <source>가속도 단위</source>
        <translation>Acceleration unit</translation>
    </message>
    <message>
        <source>가속도와 감속도를 m/s²로 또는 g(9.8 m/s²)로 보이고 입력합니다</source>
        <translation>Shows and takes acceleration and deceleration in m/s² or in g (9.8 m/s²)</translation>
    </message>
</context>
<context>
    <name>brivane::ui::CTimeChart</name>
    <message>
        <source>시간 (s)</source>
        <translation>Time (s)</translation>
    </message>
</context>
<context>
    <name>brivane::ui::LanguageMenu</name>
    <message>
        <source>언어 / Language</source>
        <translation>언어 / Language</translation>
    </message>
    <message>
        <source>다음 시작부터 창을 한국어로 표시합니다</source>
        <translation>Shows the window in Korean from the next start</translation>
    </message>
    <message>
        <source>다음 시작부터 창을 영어로 표시합니다</source>
        <translation>Shows the window in English from the next start</translation>
    </message>
    <message>
        <source>언어는 Brivane을 다음에 시작할 때 바뀝니다.</source>
        <translation>The language changes the next time Brivane starts.</translation>
    </message>
</context>
<context>
    <name>brivane::ui::MessageSink</name>
    <message>
        <source>Brivane</source>
        <translation>Brivane</translation>
    </message>
</context>
<context>
    <name>brivane::ui::MotorCatalogs</name>
    <message>
        <source>파일을 읽을 수 없습니다</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>JSON 텍스트가 아닙니다</source>
        <translation>it is not JSON text</translation>
    </message>
    <message>
        <source>CSV 텍스트가 아닙니다</source>
        <translation>it is not CSV text</translation>
    </message>
    <message>
        <source>Brivane 모터 목록 파일이 아닙니다</source>
        <translation>it is not a Brivane motor catalog file</translation>
    </message>
    <message>
        <source>이 프로그램보다 새로운 버전의 파일입니다</source>
        <translation>the file is of a newer version than this program</translation>
    </message>
    <message>
        <source>필드가 없습니다</source>
        <translation>the field is missing</translation>
    </message>
    <message>
        <source>같은 필드가 두 번 있습니다</source>
        <translation>the field is given twice</translation>
    </message>
    <message>
        <source>값의 형식이 맞지 않습니다</source>
        <translation>the value has the wrong type</translation>
    </message>
    <message>
        <source>수가 아닙니다</source>
        <translation>it is not a number</translation>
    </message>
    <message>
        <source>유한한 수가 아닙니다</source>
        <translation>it is not a finite number</translation>
    </message>
    <message>
        <source>범위를 벗어난 값입니다</source>
        <translation>the value is out of range</translation>
    </message>
    <message>
        <source>0보다 커야 합니다</source>
        <translation>it must be above 0</translation>
    </message>
    <message>
        <source>0 이상이어야 합니다</source>
        <translation>it must not be below 0</translation>
    </message>
    <message>
        <source>정격값보다 작습니다</source>
        <translation>it is below the rated value</translation>
    </message>
    <message>
        <source>이름이 비어 있습니다</source>
        <translation>the name is empty</translation>
    </message>
    <message>
        <source>허용되지 않는 텍스트입니다</source>
        <translation>the text is not allowed</translation>
    </message>
    <message>
        <source>이름이 두 번 있습니다</source>
        <translation>the name is given twice</translation>
    </message>
    <message>
        <source>내장 모델의 이름입니다</source>
        <translation>it is the name of a built-in model</translation>
    </message>
    <message>
        <source>모터가 너무 많습니다</source>
        <translation>there are too many motors</translation>
    </message>
    <message>
        <source>모터 %1</source>
        <translation>motor %1</translation>
    </message>
    <message>
        <source>모터 %1 (%2)</source>
        <translation>motor %1 (%2)</translation>
    </message>
    <message>
        <source>%1번째 줄</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>필드 &quot;%1&quot;</source>
        <translation>field &quot;%1&quot;</translation>
    </message>
    <message>
        <source>파일이 없습니다</source>
        <translation>the file is not there</translation>
    </message>
    <message>
        <source>다음 모터 목록 파일은 읽지 않았습니다. 후보 비교에는 내장 모델과 나머지 파일의 모터만 나옵니다.

%1

파일 → 모터 목록…에서 파일을 고치거나 목록에서 뺄 수 있습니다.</source>
        <translation>These motor catalog files were left out: the candidate comparison shows the built-in models and the motors of the other files only.

%1

Fix the files, or take them off the list under File → Motor catalogs….</translation>
    </message>
    <message>
        <source>읽지 않음: %1</source>
        <translation>left out: %1</translation>
    </message>
    <message numerus="yes">
        <source>모터 %n개</source>
        <translation>
            <numerusform>%n motor</numerusform>
            <numerusform>%n motors</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>brivane::ui::PdfReport</name>
    <message>
        <source>선택 안 됨</source>
        <translation>none chosen</translation>
    </message>
    <message>
        <source>이동 조건</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>부하 질량</source>
        <translation>Load mass</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>이동 거리</source>
        <translation>Stroke</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>최대 가속도</source>
        <translation>Peak acceleration</translation>
    </message>
    <message>
        <source>가속 시간</source>
        <translation>Acceleration time</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>msec</source>
        <translation>msec</translation>
    </message>
    <message>
        <source>최대 속도</source>
        <translation>Peak velocity</translation>
    </message>
    <message>
        <source>m/sec</source>
        <translation>m/sec</translation>
    </message>
    <message>
        <source>휴지 시간</source>
        <translation>Dwell time</translation>
    </message>
    <message>
        <source>마찰 계수</source>
        <translation>Friction coefficient</translation>
    </message>
    <message>
        <source>안전율</source>
        <translation>Safety factor</translation>
    </message>
    <message>
        <source>사용률 허용치(정격)</source>
        <translation>Allowed duty (rated)</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>사용률 허용치(최대)</source>
        <translation>Allowed duty (peak)</translation>
    </message>
    <message>
        <source>주위온도</source>
        <translation>Ambient temperature</translation>
    </message>
    <message>
        <source>℃</source>
        <translation>℃</translation>
    </message>
    <message>
        <source>모터 선정 결과</source>
        <translation>Motor Selection Result</translation>
    </message>
    <message>
        <source>선정 결과가 없습니다. (Linear Motor 선정을 실행하지 않았습니다.)</source>
        <translation>No selection results. (Select Linear Motor has not been run.)</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>정격 사용률(%)</source>
        <translation>Rated duty(%)</translation>
    </message>
    <message>
        <source>최대 사용률(%)</source>
        <translation>Peak duty(%)</translation>
    </message>
    <message>
        <source>부하 분석 DATA</source>
        <translation>Load Analysis DATA</translation>
    </message>
    <message>
        <source>부하 분석 결과가 없습니다. (사용률 계산을 실행하지 않았습니다.)</source>
        <translation>No load analysis. (Calculate duty has not been run.)</translation>
    </message>
    <message>
        <source>적용 Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Motor Profile</source>
        <translation>Motor Profile</translation>
    </message>
    <message>
        <source>속도 프로파일이 없습니다. (사용률 계산을 실행하지 않았습니다.)</source>
        <translation>No velocity profile. (Calculate duty has not been run.)</translation>
    </message>
    <message>
        <source>선정모터 사양</source>
        <translation>Selected motor specifications</translation>
    </message>
    <message>
        <source>표시할 데이터 시트가 없습니다. (선정된 모델이 없거나 표시 항목이 선택되지 않았습니다.)</source>
        <translation>No data sheets to show. (No model is selected, or no show box is ticked.)</translation>
    </message>
    <message>
        <source>PDF를 만들 수 없습니다.</source>
        <translation>Cannot make the PDF.</translation>
    </message>
    <message>
        <source>작성일: %1</source>
        <translation>Made on: %1</translation>
    </message>
    <message>
        <source>사용률 계산이 거부되었습니다: %1</source>
        <translation>The duty check was refused: %1</translation>
    </message>
    <message>
        <source>PDF 파일을 쓸 수 없습니다: %1
%2</source>
        <translation>Cannot write the PDF file: %1
%2</translation>
    </message>
</context>
<context>
    <name>brivane::ui::ResultMarks</name>
    <message>
        <source>이전 입력의 결과입니다</source>
        <translation>Result of the previous inputs</translation>
    </message>
</context>
</TS>
