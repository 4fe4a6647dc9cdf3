unit TextTools;

{$asmmode intel}

interface

uses
  SysUtils;

const
  Lines3 = 'one'#13'two'#13'three';

function Quote(const S: string = 'it''s'): string;
function CountLines(const S: string): Integer;
function AddFast(A, B: LongInt): LongInt;
function Magnitude(X: LongInt): LongInt;
function Shout(const S: string): string; overload;
function Shout(N: Integer): string; overload;
procedure Parse(const S: string);
procedure Guarded(const S: string);

var
  Started: Boolean = False;
  Parsed: Integer = 0;

implementation

function CAbs(X: LongInt): LongInt; cdecl; external 'c' name 'abs';

function Later(N: Integer): Integer; forward;

(* A block comment
   over two lines: begin end; try *)

function Quote(const S: string): string;
begin
  Result := '''' + S + '''';   // doubled quotes: 'it''s'
end;

function CountLines(const S: string): Integer;
var
  I: Integer;
begin
  Result := 1;
  for I := 1 to Length(S) do
    if S[I] = #13 then { a CR ends a line; begin }
      Inc(Result);
end;

function AddFast(A, B: LongInt): LongInt; assembler; nostackframe;
asm
  lea eax, [rdi + rsi]
end;

function Magnitude(X: LongInt): LongInt;
begin
  Result := CAbs(X);
end;

function Shout(const S: string): string;
begin
  {
    A brace comment over lines,
    indented with the body. }
  Result := UpperCase(S) + '!';
end;

function Shout(N: Integer): string;
begin
  Result := Shout(IntToStr(N));
end;

function Later(N: Integer): Integer;
begin
  if N <= 0 then
    raise EConvertError.Create('nothing left in ''' + IntToStr(N) + '''');
  Result := N * 2;
end;

procedure Parse(const S: string);
var
  Value: Integer;

  function Digit(C: Char): Integer;
  begin
    case C of
      '0'..'9': Result := Ord(C) - Ord('0');
    else
      raise EConvertError.CreateFmt('not a digit: %s', [C]);
    end;
  end;

begin
  Value := -1;
  try
    Value := Digit(S[1]) * 10 + Digit(S[2]);
  finally
    WriteLn('parsed ', S, ' -> ', Value);
  end;
  Inc(Parsed);
  WriteLn('value ', Later(Value));
end;

procedure Guarded(const S: string);
begin
  try
    Parse(S);
  except
    on E: EConvertError do
    begin
      WriteLn('guarded: ', E.Message);
      raise;
    end;
  end;
end;

initialization
  Started := True;
finalization
  Started := False;
end.
