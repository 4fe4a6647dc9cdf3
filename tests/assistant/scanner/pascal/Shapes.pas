unit Shapes;

interface

uses
  SysUtils;

type
  TKind = (skCircle, skSquare, skNone);

  // One of two measures: a record with a variant part.
  TMeasure = record
    Name: string[20];
    case Kind: TKind of
      skCircle: (Radius: Double);
      skSquare: (Side: Double; Rotated: Boolean);
  end;

  TShape = class
  private
    FName: string;
  public
    constructor Create(const AName: string = 'shape'); virtual;
    destructor Destroy; override;
    function Area: Double; virtual; abstract;
    function Describe: string; overload;
    function Describe(Digits: Integer): string; overload;
    procedure Check(Limit: Double = 100.0);
    property Name: string read FName;
  end;

  TCircle = class(TShape)
  private
    FRadius: Double;
  public
    constructor Create(ARadius: Double); reintroduce;
    function Area: Double; override;
  end;

  TSquare = class(TShape)
  private
    FSide: Double;
  public
    constructor Create(ASide: Double); reintroduce;
    destructor Destroy; override;
    function Area: Double; override;
  end;

function MakeShape(const M: TMeasure): TShape;
function TotalArea(const Shapes: array of TShape): Double;
procedure Log(const S: string; Indent: Integer = 0);

var
  Destroyed: Integer = 0;

implementation

uses
  Math;

type
  { A private pair: its variant part goes with its end. }
  TPair = record
    case Boolean of
      False: (A, B: Integer);
      True: (Whole: Int64);
  end;

procedure Log(const S: string; Indent: Integer);
begin
  WriteLn(StringOfChar(' ', Indent) + S);
end;

constructor TShape.Create(const AName: string);
begin
  inherited Create;
  FName := AName;
end;

destructor TShape.Destroy;
begin
  Inc(Destroyed);
  inherited Destroy;
end;

function TShape.Describe: string;
begin
  Result := Describe(2);
end;

function TShape.Describe(Digits: Integer): string;
begin
  Result := FName + ' (' + FloatToStrF(Area, ffFixed, 8, Digits) + ')';
end;

procedure TShape.Check(Limit: Double);

  // Nested: raises when the area is too large.
  procedure Fail(const Why: string);
  begin
    raise ERangeError.CreateFmt('%s: %s', [FName, Why]);
  end;

begin
  if Area > Limit then
    Fail('area above ' + FloatToStrF(Limit, ffFixed, 8, 1));
  Log('checked ' + FName, 2);
end;

constructor TCircle.Create(ARadius: Double);
begin
  if ARadius < 0 then
    raise EArgumentException.Create('negative radius');
  inherited Create('circle');
  FRadius := ARadius;
end;

function TCircle.Area: Double;
begin
  Result := Pi * Sqr(FRadius);
end;

constructor TSquare.Create(ASide: Double);
begin
  inherited Create('square');
  FSide := ASide;
end;

destructor TSquare.Destroy;
begin
  Log('square gone', 4);
  inherited;
end;

function TSquare.Area: Double;
var
  P: TPair;
begin
  P.Whole := 0;
  P.A := Round(FSide);
  Result := Sqr(FSide) + P.B;
end;

function MakeShape(const M: TMeasure): TShape;
begin
  case M.Kind of
    skCircle: Result := TCircle.Create(M.Radius);
    skSquare:
      begin
        Result := TSquare.Create(M.Side);
        if M.Rotated then
          Log('rotated');
      end;
  else
    raise EArgumentException.CreateFmt('no shape for %s', [M.Name]);
  end;
end;

function TotalArea(const Shapes: array of TShape): Double;
var
  I: Integer;
begin
  Result := 0;
  for I := Low(Shapes) to High(Shapes) do
    Result := Result + Shapes[I].Area;
  Result := RoundTo(Result, -3);
end;

end.
